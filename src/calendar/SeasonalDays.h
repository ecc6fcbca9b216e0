// SPDX-License-Identifier: GPL-3.0-or-later
// The seasonal days (雑節) counted from the solar terms.
#pragma once

#include "SolarTerms.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace rekko {

// Returns the seasonal day falling on a day, or an empty text: "節分" (the day before 立春), "彼岸入り" and
// "彼岸明け" (three days before and after 春分 and 秋分), "八十八夜" (立春 + 87 days), "入梅" (80 degrees),
// "半夏生" (100 degrees), "土用の入り" (27, 117, 207 and 297 degrees) and "二百十日" (立春 + 209 days).
std::string_view seasonalDayOf(std::span<const SolarLongitudeDay> table, int32_t jd);

// Returns the seasonal day of a day from the shipped table.
std::string_view seasonalDayOn(int32_t jd);

} // namespace rekko
