// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the page parser gives no time or a valid time, which a page written with it gives back.
#include "FuzzCheck.h"

#include "calendar/Julius.h"
#include "clocksync/PageTime.h"

#include <cmath>
#include <cstdio>

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LocalDateTime time = ParsePageTime(fuzz::BytesOf(data, size));
    if (time == 0)
        return 0;
    FUZZ_CHECK(std::isfinite(time));
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const CalendarDate date = DateOf(time);
    const TimeOfDay clock = TimeOf(time);
    FUZZ_CHECK(date.year >= 1 && date.year <= 9999 && clock.millisecond == 0);
    char page[128];
    std::snprintf(page, sizeof page, "x: Date.parse(\"Mon %s %d %d:%d:%d %d\")", months[date.month - 1], date.day,
                  clock.hour, clock.minute, clock.second, date.year);
    FUZZ_CHECK(ParsePageTime(page) == time);
    return 0;
}
