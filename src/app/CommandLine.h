// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of the program: "/J" and two digits asks for an automatic move to the notification area.
#pragma once

#include <string>
#include <vector>

namespace rekko {

// Returns the countdown in seconds of an automatic move to the notification area: when the first argument starts
// with "/J" or "/j", the integer of its third and fourth characters, 0 when they are not a number. Without such an
// argument, or with any other argument, it is 0 (no move). Later arguments are never looked at.
int ResidentCountdownSeconds(const std::vector<std::string>& arguments);

} // namespace rekko
