// SPDX-License-Identifier: GPL-3.0-or-later
// The firing window of the countdown timer, in whole milliseconds of the day.
#include "TimerAlarm.h"

#include <cstdint>

namespace rekko {

namespace {

int64_t MillisecondsOfDay(LocalDateTime t) {
    const TimeOfDay time = TimeOf(t);
    return ((time.hour * 60LL + time.minute) * 60 + time.second) * 1000 + time.millisecond;
}

} // namespace

bool AlarmDue(LocalDateTime now, LocalDateTime setTime, int noticeMinutes) {
    const int64_t current = MillisecondsOfDay(now);
    const int64_t target = MillisecondsOfDay(setTime);
    const int64_t notice = noticeMinutes * 60'000LL;
    return current + notice >= target && current - notice - 30 * 60'000LL < target;
}

} // namespace rekko
