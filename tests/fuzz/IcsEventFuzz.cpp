// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: a server's VCALENDAR read and mapped to the local line it comes down as, which must be a line code
// page 932 holds, of its own day, and come down the same once sent up again.
#include "FuzzCheck.h"

#include "base/Cp932.h"
#include "schedule/LineAttribute.h"
#include "schedule/PeriodRecord.h"
#include "sync/IcsEvents.h"
#include "sync/IcsReader.h"
#include "sync/IcsWriter.h"
#include "sync/SyncLines.h"

using namespace rekko;

namespace {

// The events a local line is sent up as.
std::vector<IcsEvent> EventsOf(const DownLine& down, const std::string& line) {
    IcsEvents made;
    if (down.kind == SyncKind::Period)
        AddPeriodEvents(made, {line}, EncodeJuliusDay(1, 1, 1), EncodeJuliusDay(9999, 12, 31));
    else
        AddDayLineEvents(made, down.date.year, down.date.month, {line}, 1,
                         DaysOfMonth(down.date.year, down.date.month));
    return made.events;
}

void CheckLine(const DownLine& down) {
    const std::string line = down.line(1);
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(EncodeCp932(line).ok());
    if (down.kind == SyncKind::Day) {
        FUZZ_CHECK(DayOfLine(line) == down.date.day);
    } else {
        const PeriodFields period = ReadPeriodRecord(line, clBlue);
        FUZZ_CHECK(!FirstInvalidPeriodDate(period));
        FUZZ_CHECK(EncodeJuliusDay(period.start.year, period.start.month, period.start.day) <
                   EncodeJuliusDay(period.end.year, period.end.month, period.end.day));
    }
    // Sent up and read back, the line comes down as itself.
    const std::vector<IcsEvent> events = EventsOf(down, line);
    if (events.size() != 1)
        return;
    const auto again = ParseIcsEvent(WriteIcsCalendar(events, "Rekko", 0));
    FUZZ_CHECK(again.has_value());
    const auto back = LineOfEvent(*again);
    FUZZ_CHECK(back.has_value() && back->key == down.key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto event = ParseIcsEvent(fuzz::BytesOf(data, size));
    if (!event)
        return 0;
    const auto down = LineOfEvent(*event);
    FUZZ_CHECK(down.has_value() != event->recurring);
    if (down)
        CheckLine(*down);
    if (const auto marked = LineOfEvent(*event, kConflictMark))
        CheckLine(*marked);
    return 0;
}
