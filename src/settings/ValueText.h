// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers and times as the settings file writes them: integers in decimal or "$" hexadecimal, times as "h:nn:ss".
#pragma once

#include "base/LocalDateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// Reads a whole text as a 32-bit integer: leading blanks, an optional sign, then decimal digits or hexadecimal
// digits after "$" or "0x". Answers nothing for anything else, trailing characters and values out of range included.
std::optional<int32_t> ParseInteger(std::string_view text);

// Returns the integer of a text, or fallback when it is not one.
int32_t IntegerOr(std::string_view text, int32_t fallback);

// Reads a time of day "h:nn" or "h:nn:ss" (hours 0..23, minutes and seconds 0..59, blanks around allowed) as the
// fraction of a day; answers nothing for anything else.
std::optional<double> ParseTimeOfDay(std::string_view text);

// Answers whether a text is "hhmmss" of a valid time of day.
bool IsTimeDigits(std::string_view text);

// Writes the time of day of a local date-and-time value in the long time format "h:nn:ss" (9:05:00, 15:00:00).
std::string FormatLongTime(LocalDateTime value);

} // namespace rekko
