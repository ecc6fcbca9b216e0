// SPDX-License-Identifier: GPL-3.0-or-later
// The days the Sun reaches the longitudes of the solar terms and seasonal days, in Japan time.
#pragma once

#include "LunisolarCalendar.h"

#include <array>
#include <string>
#include <vector>

namespace rekko::oldcal {

// The first day of the solar-term table, 1872-12-01: it holds the term (大雪) that opens the solar month of
// 1873-01-01. The table ends with the shipped span's last day, kTableLastDay.
inline constexpr int32_t kSolarTableFirstDay = 2405129;

// The longitudes the table lists, ascending: the 24 solar terms (multiples of 15 degrees) and the longitudes of
// the seasonal days 入梅 (80), 半夏生 (100) and the four starts of 土用 (27, 117, 207, 297).
inline constexpr std::array<int, 30> kTableLongitudes = {0,   15,  27,  30,  45,  60,  75,  80,  90,  100,
                                                         105, 117, 120, 135, 150, 165, 180, 195, 207, 210,
                                                         225, 240, 255, 270, 285, 297, 300, 315, 330, 345};

// The moment the Sun's apparent longitude reaches one of kTableLongitudes.
struct SolarEvent {
    int longitude = 0;
    JstMoment moment;
};

// Events closer to a JST midnight than this many seconds are listed in the solar-term report.
inline constexpr double kTermNearMidnightSeconds = 60;

// Computes, in time order, every moment the Sun reaches one of kTableLongitudes whose JST date lies within
// firstDay..lastDay (day numbers).
std::vector<SolarEvent> computeSolarEvents(int32_t firstDay, int32_t lastDay);

// Formats the events as table lines "day number,longitude" ended by CR LF.
std::string formatSolarTermTable(const std::vector<SolarEvent>& events);

// Formats the report's list of the events within kTermNearMidnightSeconds of a JST midnight, with their JST time
// and signed distance from midnight.
std::string formatSolarTermReport(const std::vector<SolarEvent>& events);

} // namespace rekko::oldcal
