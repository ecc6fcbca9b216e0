// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a correction run: the entry header, numbers with two decimals and the result line; the note on what
// the settings window can do with the clock here.
#pragma once

#include "base/LocalDateTime.h"
#include "platform/ClockSetter.h"

#include <cstdint>
#include <string>

namespace rekko {

// Returns "[ yyyy/mm/dd(曜) hh:nn:ss ]" for a Japan time.
std::string EntryHeader(LocalDateTime japanTime);

// Formats a number with two decimals and thousands separators: 1234.567 gives "1,234.57".
std::string TwoDecimals(double value);

// Returns the result line for a difference in 1/10 000 s: the prefix "以前の時刻は" when the clock was set,
// "現在の時刻は" when it was left alone, then how the clock stood against the time fetched.
std::string ResultLine(int64_t difference, bool clockSet);

// Returns what the settings window says once when it opens where the clock cannot simply be set, or where the system
// keeps it synchronised itself; empty where a correction just sets it.
std::string ClockAccessNote(ClockAccess access, bool systemSynchronises);

} // namespace rekko
