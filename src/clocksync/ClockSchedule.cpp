// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule check of the automatic clock correction.
#include "ClockSchedule.h"

#include "calendar/Julius.h"

#include <cmath>
#include <cstdio>

namespace rekko {

namespace {

constexpr uint8_t kMonday = 2;

// Returns the latest day on or before the day given that falls on the weekday (1 = Sunday .. 7 = Saturday).
int32_t LatestWeekday(int32_t day, int weekday) {
    return day - (JuliusDayOfWeek(day) - weekday + 7) % 7;
}

} // namespace

std::string TimeDigits(int hour, int minute, int second) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d", hour, minute, second);
    return text;
}

std::string TimeDigits(LocalDateTime now) {
    const TimeOfDay time = TimeOf(std::floor(now * 86400.0 + 1e-6) / 86400.0);
    return TimeDigits(time.hour, time.minute, time.second);
}

bool RetrievalDue(ClockCorrectionSettings& schedule, LocalDateTime now, int ticks) {
    if (!schedule.cbTShuusei)
        return false;
    const int32_t today = DateTimeToJuliusDay(now);
    if (schedule.pTAccess == 2) {
        if (today > schedule.pTNini + 6 && TimeDigits(now) > schedule.pTTime) {
            schedule.pTNini =
                schedule.pTYoubi >= 1 && schedule.pTYoubi <= 7 ? LatestWeekday(today, schedule.pTYoubi) : today - 6;
            return true;
        }
        return false;
    }
    if (ticks < schedule.pTChien)
        return false;
    if (schedule.pTAccess == 1) {
        if (today > schedule.pTWeek + 6) {
            schedule.pTWeek = LatestWeekday(today, kMonday);
            schedule.pTDay = today;
            return true;
        }
        return false;
    }
    if (today != schedule.pTDay) {
        schedule.pTDay = today;
        return true;
    }
    return false;
}

} // namespace rekko
