// SPDX-License-Identifier: GPL-3.0-or-later
// Collecting the events of a span from the schedule book and writing them as iCalendar.
#include "IcsExport.h"

#include "IcsEvents.h"
#include "IcsWriter.h"

#include "calendar/Julius.h"

namespace rekko {

IcsExport ExportIcs(const ScheduleBook& book, const MonthLinesSource& months, int32_t fromJd, int32_t toJd,
                    bool holidays, LocalDateTime utcNow) {
    const CalendarDate from = DecodeJuliusDay(fromJd), to = DecodeJuliusDay(toJd);
    IcsEvents events;
    for (int32_t year = from.year, month = from.month; year < to.year || (year == to.year && month <= to.month);) {
        const bool first = year == from.year && month == from.month;
        const bool last = year == to.year && month == to.month;
        AddDayLineEvents(events, year, month, months(year, month), first ? from.day : 1,
                         last ? to.day : DaysOfMonth(year, month));
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    AddPeriodEvents(events, book.periods(), fromJd, toJd);
    AddAnniversaryEvents(events, book.rules().specialDayList(), fromJd, toJd);
    IcsExport result{.text = WriteIcsCalendar(events.events, "Rekko", utcNow),
                     .events = events.events.size(),
                     .skipped = events.skipped};
    if (holidays)
        result.text += WriteIcsCalendar(HolidayEvents(book.rules(), fromJd, toJd), "祝日", utcNow);
    return result;
}

} // namespace rekko
