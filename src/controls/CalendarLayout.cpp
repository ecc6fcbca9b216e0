// SPDX-License-Identifier: GPL-3.0-or-later
// Month arithmetic and the first visible day and row count of a month calendar.
#include "CalendarLayout.h"

#include "calendar/Julius.h"

namespace rekko {

void NormalizeYearMonth(int32_t& year, int& month) {
    while (month > 12) {
        month -= 12;
        ++year;
    }
    while (month < 1) {
        month += 12;
        --year;
    }
}

namespace {

int32_t firstOfNextMonth(int32_t year, int month) {
    int32_t nextYear = year;
    int nextMonth = month + 1;
    NormalizeYearMonth(nextYear, nextMonth);
    return EncodeJuliusDay(nextYear, nextMonth, 1);
}

} // namespace

int LastDayOfMonth(int32_t year, int month) {
    return DecodeJuliusDay(firstOfNextMonth(year, month) - 1).day;
}

int32_t FirstVisibleDay(int32_t year, int month, const CalendarLayoutOptions& options) {
    const int32_t first = EncodeJuliusDay(year, month, 1);
    const int weekday = JuliusDayOfWeek(first);
    const int offset = (weekday + 7 - (options.FirstDayOfWeek + 1)) % 7;
    const int32_t start = first - offset;
    if (!options.FirstRowFirstDay && start == first)
        return start - 7;
    return start;
}

int RowCount(int32_t year, int month, const CalendarLayoutOptions& options) {
    if (!options.AutoResize)
        return 7;
    const int32_t firstVisible = FirstVisibleDay(year, month, options);
    const int32_t last = firstOfNextMonth(year, month) - 1;
    const int weeks = (last - firstVisible) / 7;
    if (!options.LastRowLastDay && (last - firstVisible + 1) % 7 == 0)
        return weeks + 3;
    return weeks + 2;
}

} // namespace rekko
