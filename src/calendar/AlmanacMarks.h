// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac marks 天赦日, 一粒万倍日 and 不成就日, and everything the almanac notes of one day.
#pragma once

#include "OldCalendar.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

struct AlmanacMarks {
    bool tenshanichi = false;     // 天赦日
    bool ichiryuManbaibi = false; // 一粒万倍日
    bool fujojubi = false;        // 不成就日
    friend bool operator==(const AlmanacMarks&, const AlmanacMarks&) = default;
};

// Returns the marks of a day from its solar month (1..12 from 立春; 0 for unknown), its place in the sexagenary
// cycle (0..59) and its old-calendar date ({0, 0} for unknown, a leap month counted as its month).
AlmanacMarks almanacMarksOf(int solarMonth, int dayKanshi, OldDate oldDate);

// How the marks are named: in full, or short as wall calendars print them in a day's cell ("天赦", "万倍",
// "不成就").
enum class MarkNames { Full, Short };

// Returns the names of the marks set, in the order 天赦日, 一粒万倍日, 不成就日.
std::vector<std::string_view> almanacMarkNames(const AlmanacMarks& marks, MarkNames form = MarkNames::Full);

// What the almanac notes of one day: its solar term and seasonal day (empty when none), its 干支, the 干支 of its
// year as almanacs count it (from 立春) and its marks.
struct DayAlmanac {
    std::string_view solarTerm;
    std::string_view seasonalDay;
    int kanshi = 0;
    int yearKanshi = 0;
    AlmanacMarks marks;
};

// Returns the almanac of a day number from the shipped tables; outside them only the 干支 is known.
DayAlmanac dayAlmanacOf(int32_t jd);

// Returns what a day's cell shows, most important first: with `terms` its solar term and seasonal day, with `marks`
// the short names of its marks and then its 干支; nothing of what is off or missing.
std::vector<std::string> almanacNotes(const DayAlmanac& almanac, bool terms, bool marks);

// Returns the lines that tell a day's almanac in full, those switched on of: its solar term and seasonal day, the
// names of its marks, and its 干支 with its year's counted from 立春 ("甲子日 丙午年"); no empty line.
std::vector<std::string> almanacLines(const DayAlmanac& almanac, bool terms, bool marks);

} // namespace rekko
