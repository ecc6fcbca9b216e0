// SPDX-License-Identifier: GPL-3.0-or-later
// Running a small system program and reading what it prints.
#pragma once

#include <chrono>
#include <initializer_list>
#include <optional>
#include <string>

namespace rekko {

// Runs the program (looked up on PATH) with the arguments and returns what it printed on its standard output;
// nothing when it cannot start, ends with another status than 0 or takes longer than the limit (it is then killed).
// What it prints on its standard error is dropped.
std::optional<std::string> ProgramOutput(const char* program, std::initializer_list<const char*> arguments,
                                         std::chrono::milliseconds limit);

} // namespace rekko
