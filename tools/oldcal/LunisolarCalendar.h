// SPDX-License-Identifier: GPL-3.0-or-later
// The old Japanese lunisolar calendar computed from new moons and the Sun's principal terms in Japan time.
#pragma once

#include <cstdint>
#include <vector>

namespace rekko::oldcal {

// The first and last day the shipped table covers: 1873-01-01 and 2100-12-31.
inline constexpr int32_t kTableFirstDay = 2405160;
inline constexpr int32_t kTableLastDay = 2488434;

// A moment as a Julian date on the clock of Japan Standard Time.
struct JstMoment {
    double jd = 0;

    // Returns the day number of the moment's JST calendar date.
    int32_t day() const;
    // Returns the seconds to the nearest JST midnight: positive after it, negative before it (-43200 .. 43200).
    double secondsFromMidnight() const;
};

// A principal term: the moment the Sun's apparent longitude reaches a multiple of 30 degrees.
struct PrincipalTerm {
    int longitude = 0;
    JstMoment moment;
};

// An old-calendar month: its new moon, first day, code (1..12, 101..112 for the leap month after month m) and
// the longitudes of the principal terms whose JST date falls within it.
struct LunarMonth {
    JstMoment newMoon;
    int32_t start = 0;
    int code = 0;
    std::vector<int> principalTerms;
};

// A month whose number disagrees with a principal term it holds (0 degrees month 2, 90 month 5, 180 month 8).
struct NumberingConflict {
    int32_t start = 0;
    int code = 0;
    int longitude = 0;
    int expectedCode = 0;
};

struct OldCalendarComputation {
    // The months from the one holding the first day to the one holding the last day, then the month after them,
    // whose start closes the table.
    std::vector<LunarMonth> months;
    // The principal terms from the first month's start to the closing month's start.
    std::vector<PrincipalTerm> terms;
    std::vector<NumberingConflict> conflicts;
};

// Computes the old-calendar months covering firstDay..lastDay (day numbers). Month 11 holds the winter solstice
// (270 degrees); when thirteen months lie between two such months, the first of them without a principal term is
// the leap month of the month before it. Throws std::runtime_error if the astronomy yields any other count.
OldCalendarComputation computeOldCalendar(int32_t firstDay, int32_t lastDay);

} // namespace rekko::oldcal
