// SPDX-License-Identifier: GPL-3.0-or-later
// The iCalendar export of a span of days from the schedule book: the day lines, periods and anniversaries, and the
// holidays as a calendar of their own.
#pragma once

#include "book/ScheduleBook.h"

#include "base/LocalDateTime.h"

#include <functional>
#include <string>
#include <vector>

namespace rekko {

// Gives the line list of a month (the header line first; none for a month without a file). The book holds only the
// months in sight, so the exporter asks for each month of the span.
using MonthLinesSource = std::function<std::vector<std::string>(int32_t year, int month)>;

struct IcsExport {
    std::string text;  // one VCALENDAR, and the holidays' after it when asked for
    size_t events = 0; // of the schedule, holidays aside
    int skipped = 0;   // malformed lines left out
};

// Exports the days fromJd..toJd (fromJd <= toJd): the day lines of the months given by months, the book's periods
// that overlap the span and its special days as recurring events, and with holidays the holidays of the book's rules
// as a second calendar "祝日". Every event is stamped with utcNow.
IcsExport ExportIcs(const ScheduleBook& book, const MonthLinesSource& months, int32_t fromJd, int32_t toJd,
                    bool holidays, LocalDateTime utcNow);

} // namespace rekko
