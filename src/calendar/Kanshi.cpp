// SPDX-License-Identifier: GPL-3.0-or-later
// The sexagenary cycle of days (counted on from day numbers) and of years (from 甲子 1984).
#include "Kanshi.h"

#include "Julius.h"

#include <array>

namespace rekko {

namespace {

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};

int cyclePlace(int64_t n) {
    return static_cast<int>(((n % 60) + 60) % 60);
}

} // namespace

int kanshiOfDay(int32_t jd) {
    // The day cycle runs unbroken; day number 11 is a 甲子 day (2000-01-01, day 2451545, is 戊午, place 54).
    return cyclePlace(int64_t{jd} - 11);
}

int kanshiOfYear(int32_t year) {
    return cyclePlace(int64_t{year} - 1984);
}

int32_t almanacYearOf(std::span<const SolarLongitudeDay> table, int32_t jd) {
    const CalendarDate date = DecodeJuliusDay(jd);
    // Before 立春 a day of January or February still lies in solar month 11 or 12 of the year before.
    const int month = solarMonthOf(table, jd);
    return date.month <= 2 && month >= 11 ? date.year - 1 : date.year;
}

std::string kanshiName(int kanshi) {
    if (kanshi < 0 || kanshi >= 60)
        return {};
    return std::string(kStems[static_cast<size_t>(kanshiStem(kanshi))]) +
           std::string(kBranches[static_cast<size_t>(kanshiBranch(kanshi))]);
}

std::string_view branchName(int branch) {
    return branch >= 0 && branch < 12 ? kBranches[static_cast<size_t>(branch)] : std::string_view();
}

} // namespace rekko
