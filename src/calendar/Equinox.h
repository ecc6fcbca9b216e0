// SPDX-License-Identifier: GPL-3.0-or-later
// The vernal and autumnal equinox days in Japan time, by the almanac's closed formula.
#pragma once

#include <cstdint>

namespace rekko {

// Returns the day number of the vernal equinox of a year (Japan time).
int32_t VernalEquinoxDay(int32_t year);

// Returns the day number of the autumnal equinox of a year (Japan time).
int32_t AutumnalEquinoxDay(int32_t year);

// Answer whether the date is the vernal / autumnal equinox day of its year.
bool IsVernalEquinox(int32_t year, int month, int day);
bool IsAutumnalEquinox(int32_t year, int month, int day);

} // namespace rekko
