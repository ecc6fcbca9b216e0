// SPDX-License-Identifier: GPL-3.0-or-later
// Month arithmetic and the week-row layout shared by the month grid and the small month calendars.
#pragma once

#include <cstdint>

namespace rekko {

// The weekday of a calendar's first column, Sunday = 0 .. Saturday = 6.
enum TDayOfWeek : uint8_t { dowSun, dowMon, dowTue, dowWed, dowThu, dowFri, dowSat };

// The settings that decide which days a month calendar shows.
struct CalendarLayoutOptions {
    TDayOfWeek FirstDayOfWeek = dowSun;
    bool AutoResize = false;       // the number of week rows follows the month (else always six)
    bool FirstRowFirstDay = false; // the first row may start with the 1st (else a 1st in the first column gets a
                                   // whole week of the previous month before it)
    bool LastRowLastDay = false;   // the last row may end with the last day (else it gets a row of the next month)
};

// Returns a number that orders months: consecutive months give consecutive numbers, across years too.
constexpr int64_t MonthKey(int32_t year, int month) {
    return int64_t{year} * 12 + month;
}

// Adds or subtracts 12 to the month, changing the year by one each time, until the month is 1..12.
void NormalizeYearMonth(int32_t& year, int& month);

// Returns the last day of a month (1..12): the day before the first of the next month, so 31 for October 1582.
int LastDayOfMonth(int32_t year, int month);

// Returns the day number of the top-left day cell of a month (1..12) under the options.
int32_t FirstVisibleDay(int32_t year, int month, const CalendarLayoutOptions& options);

// Returns the number of rows of a month, the header row included: 7 without AutoResize, else 5 to 7 (a month
// that ends in the last column gets a further row of the next month unless LastRowLastDay is set).
int RowCount(int32_t year, int month, const CalendarLayoutOptions& options);

} // namespace rekko
