// SPDX-License-Identifier: GPL-3.0-or-later
// The seasonal days as the National Astronomical Observatory of Japan's almanac (暦要項) defines them.
#include "SeasonalDays.h"

#include <array>

namespace rekko {

namespace {

// A seasonal day lies `offset` days after the day the Sun reaches `longitude` (before it when negative). The
// rules are those of the 暦要項 published yearly by the National Astronomical Observatory of Japan (雑節): 節分
// the day before 立春, 彼岸 the seven days centred on 春分 and 秋分, 八十八夜 and 二百十日 the 88th and 210th
// day counted from 立春 as day 1, 入梅 80 degrees, 半夏生 100 degrees, 土用 from 27, 117, 207 and 297 degrees.
struct SeasonalRule {
    int longitude;
    int offset;
    std::string_view name;
};

constexpr std::array<SeasonalRule, 13> kRules = {{
    {315, -1, "節分"},
    {0, -3, "彼岸入り"},
    {0, 3, "彼岸明け"},
    {180, -3, "彼岸入り"},
    {180, 3, "彼岸明け"},
    {315, 87, "八十八夜"},
    {80, 0, "入梅"},
    {100, 0, "半夏生"},
    {27, 0, "土用の入り"},
    {117, 0, "土用の入り"},
    {207, 0, "土用の入り"},
    {297, 0, "土用の入り"},
    {315, 209, "二百十日"},
}};

} // namespace

std::string_view seasonalDayOf(std::span<const SolarLongitudeDay> table, int32_t jd) {
    for (const SeasonalRule& rule : kRules)
        if (solarLongitudeOn(table, jd - rule.offset) == rule.longitude)
            return rule.name;
    return {};
}

std::string_view seasonalDayOn(int32_t jd) {
    return seasonalDayOf(solarTermTable(), jd);
}

} // namespace rekko
