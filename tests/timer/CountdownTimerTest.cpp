// SPDX-License-Identifier: GPL-3.0-or-later
// The firing window, the main tick's alarm check and the timer's stored values.
#include "timer/CountdownTimer.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

constexpr CalendarDate kDay{2026, 5, 20};

int32_t ms(int hour, int minute, int second = 0, int millisecond = 0) {
    return ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
}

LocalDateTime at(int hour, int minute, int second = 0, int millisecond = 0, CalendarDate date = kDay) {
    return EncodeDateTime(date, {hour, minute, second, millisecond});
}

struct CountingAlert : TimerAlertPort {
    void queueAlert() override { ++queued; }
    int queued = 0;
};

TEST(CountdownTimer, AlertIsDueFromTheNoticeUntilHalfAnHourAfterIt) {
    // B = 3, T = 15:00: due from 14:57:00 until before 15:33:00.
    const struct {
        int32_t now;
        bool due;
    } cases[] = {{ms(14, 56, 59, 999), false}, {ms(14, 57), true},  {ms(15, 0), true},
                 {ms(15, 32, 59, 999), true},  {ms(15, 33), false}, {ms(3, 0), false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsAlertDue(ms(15, 0), 3, c.now), c.due) << c.now;
}

TEST(CountdownTimer, FiringWindowDoesNotWrapAtMidnight) {
    // B = 9, T = 00:05: not at 23:56 the evening before, but from midnight on.
    EXPECT_FALSE(IsAlertDue(ms(0, 5), 9, ms(23, 56)));
    EXPECT_FALSE(IsAlertDue(ms(0, 5), 9, ms(23, 59, 59, 999)));
    EXPECT_TRUE(IsAlertDue(ms(0, 5), 9, ms(0, 0)));
    // T = 23:55 is not due again 40 minutes later, after midnight.
    EXPECT_FALSE(IsAlertDue(ms(23, 55), 0, ms(0, 10)));
}

TEST(CountdownTimer, EdgesAreExactOnAnyDate) {
    // As fractions of a double day about half of these edges come out a hair early or late; whole milliseconds not.
    for (int day = 1; day <= 28; ++day) {
        const CalendarDate date{2026, 2, static_cast<uint8_t>(day)};
        for (int minuteOfDay = 10; minuteOfDay < 23 * 60; minuteOfDay += 37) {
            const int32_t t = ms(0, minuteOfDay);
            for (const int notice : {0, 3, 9}) {
                const int32_t first = MillisecondOfDay(at(0, minuteOfDay - notice, 0, 0, date));
                const int32_t after = MillisecondOfDay(at(0, minuteOfDay + notice + 30, 0, 0, date));
                EXPECT_EQ(first, t - notice * 60'000);
                EXPECT_TRUE(IsAlertDue(t, notice, first)) << day << " " << minuteOfDay;
                EXPECT_FALSE(IsAlertDue(t, notice, after)) << day << " " << minuteOfDay;
                EXPECT_TRUE(IsAlertDue(t, notice, after - 1)) << day << " " << minuteOfDay;
            }
        }
    }
}

TEST(CountdownTimer, TickQueuesTheAlertOnceAndDisarms) {
    CountdownTimer timer(at(12, 0), 3);
    CountingAlert alert;
    EXPECT_FALSE(timer.checkAlarm(at(11, 58), alert)) << "not armed";
    timer.arm(ms(12, 0));
    EXPECT_FALSE(timer.checkAlarm(at(11, 56, 59), alert));
    EXPECT_TRUE(timer.checkAlarm(at(11, 57), alert));
    EXPECT_FALSE(timer.armed());
    EXPECT_FALSE(timer.checkAlarm(at(11, 57, 10), alert));
    EXPECT_EQ(alert.queued, 1);

    // No tick came before 12:33: no alert that day.
    timer.arm(ms(12, 0));
    EXPECT_FALSE(timer.checkAlarm(at(12, 33), alert));
    EXPECT_TRUE(timer.armed());
    EXPECT_EQ(alert.queued, 1);
}

TEST(CountdownTimer, StoredValuesAreATimeOfDayAndNoticeWithinZeroToNine) {
    const CountdownTimer stored(at(15, 0, 30), 5);
    EXPECT_EQ(stored.setTime(), ms(15, 0, 30));
    EXPECT_DOUBLE_EQ(stored.storedTime(), ms(15, 0, 30) / 86400000.0);
    // A notice of 10 000 would refuse every start, a negative one would never fire.
    EXPECT_EQ(CountdownTimer(0.5, 10000).notice(), 9);
    EXPECT_EQ(CountdownTimer(0.5, -4).notice(), 0);
}

} // namespace
} // namespace rekko
