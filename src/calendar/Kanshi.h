// SPDX-License-Identifier: GPL-3.0-or-later
// The sexagenary cycle (干支) of days and years.
#pragma once

#include "SolarTerms.h"

#include <cstdint>
#include <span>
#include <string>

namespace rekko {

// Returns the place of a day in the sexagenary cycle, 0 (甲子) .. 59 (癸亥).
int kanshiOfDay(int32_t jd);

// Returns the place of a year in the sexagenary cycle, 0 (甲子, as 1984) .. 59.
int kanshiOfYear(int32_t year);

// Returns the year a day belongs to as almanacs count it, changing at 立春: days of January and February before
// 立春 belong to the year before. Outside the table the calendar year is returned.
int32_t almanacYearOf(std::span<const SolarLongitudeDay> table, int32_t jd);

// Returns the stem of a cycle place (0 甲 .. 9 癸) and its branch (0 子 .. 11 亥).
inline int kanshiStem(int kanshi) {
    return kanshi % 10;
}
inline int kanshiBranch(int kanshi) {
    return kanshi % 12;
}

// Returns the name of a cycle place 0..59, stem and branch ("甲子", "乙丑", … "癸亥"); empty for any other number.
std::string kanshiName(int kanshi);

// Returns the name of a branch 0..11 ("子" .. "亥").
std::string_view branchName(int branch);

} // namespace rekko
