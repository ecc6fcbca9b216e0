// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule check of the automatic clock correction: daily, weekly and set-time rules, refusals and the sibling
// clock program.
#include "clocksync/ClockSchedule.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

// 2026-12-07 is a Monday.
LocalDateTime At(int day, int hour, int minute = 0, int second = 0) {
    return EncodeDateTime({2026, 12, static_cast<uint8_t>(day)}, {hour, minute, second});
}
int32_t Day(int day) {
    return EncodeJuliusDay(2026, 12, day);
}

class ClockScheduleTest : public ::testing::Test {
protected:
    ClockCorrectionSettings schedule{.cbTShuusei = true};
    ClockSchedule check;
    ScheduleStep tick(LocalDateTime now, int ticks = 1000, SiblingClock sibling = {}) {
        return check.tick(schedule, now, ticks, sibling);
    }
};

TEST_F(ClockScheduleTest, DailyStartsOnceADayAfterTheDelay) {
    EXPECT_EQ(tick(At(7, 9), 59), ScheduleStep::Nothing);
    EXPECT_EQ(tick(At(7, 9), 60), ScheduleStep::Start);
    EXPECT_EQ(schedule.pTDay, Day(7));
    EXPECT_EQ(tick(At(7, 10), 61), ScheduleStep::Nothing);
    // A new start of the program on the same day: nothing.
    ClockSchedule restarted;
    EXPECT_EQ(restarted.tick(schedule, At(7, 18), 60, {}), ScheduleStep::Nothing);
    EXPECT_EQ(tick(At(8, 0, 0, 5)), ScheduleStep::Start);
    schedule.pTChien = 0;
    schedule.pTDay = 0;
    EXPECT_EQ(tick(At(8, 1), 1), ScheduleStep::Start);
}

TEST_F(ClockScheduleTest, ARefusedStartIsTriedAgainDailyOnly) {
    EXPECT_EQ(tick(At(7, 9)), ScheduleStep::Start); // the settings window is open
    ClockSchedule::RetrievalRefused(schedule);
    EXPECT_EQ(tick(At(7, 9, 0, 10)), ScheduleStep::Start);
    schedule.pTAccess = 1;
    EXPECT_EQ(tick(At(7, 9, 0, 20)), ScheduleStep::Start);
    ClockSchedule::RetrievalRefused(schedule);
    EXPECT_EQ(tick(At(7, 9, 0, 30)), ScheduleStep::Nothing);
}

TEST_F(ClockScheduleTest, WeeklyWaitsForTheNextMonday) {
    schedule.pTAccess = 1;
    EXPECT_EQ(tick(At(9, 12)), ScheduleStep::Start); // a Wednesday
    EXPECT_EQ(schedule.pTWeek, Day(7));
    EXPECT_EQ(schedule.pTDay, Day(9));
    EXPECT_EQ(tick(At(13, 12)), ScheduleStep::Nothing);
    EXPECT_EQ(tick(At(14, 8)), ScheduleStep::Start);
    EXPECT_EQ(schedule.pTWeek, Day(14));
}

TEST_F(ClockScheduleTest, SetTimeEveryDayStartsAtTheFirstTickAfterTheTime) {
    schedule.pTAccess = 2;
    schedule.pTYoubi = 0;
    EXPECT_EQ(tick(At(7, 14, 59, 59), 1), ScheduleStep::Nothing); // no start delay, but not yet
    EXPECT_EQ(tick(At(7, 15, 0, 0), 2), ScheduleStep::Nothing);
    EXPECT_EQ(tick(At(7, 15, 0, 1), 3), ScheduleStep::Start);
    EXPECT_EQ(schedule.pTNini, Day(7) - 6);
    EXPECT_EQ(tick(At(7, 23)), ScheduleStep::Nothing);
    EXPECT_EQ(tick(At(8, 14)), ScheduleStep::Nothing);
    EXPECT_EQ(tick(At(8, 15, 30)), ScheduleStep::Start);
}

TEST_F(ClockScheduleTest, SetTimeOnAWeekdayStartsTodayFirstThenOnThatDay) {
    schedule.pTAccess = 2;
    schedule.pTYoubi = 4; // Wednesday
    EXPECT_EQ(tick(At(7, 16)), ScheduleStep::Start);
    EXPECT_EQ(schedule.pTNini, Day(2));
    EXPECT_EQ(tick(At(8, 16)), ScheduleStep::Nothing);
    EXPECT_EQ(tick(At(9, 14)), ScheduleStep::Nothing);
    EXPECT_EQ(tick(At(9, 16)), ScheduleStep::Start);
    EXPECT_EQ(schedule.pTNini, Day(9));
}

TEST_F(ClockScheduleTest, TheSiblingClockProgramHoldsTheScheduleWhileItsShortcutExists) {
    EXPECT_EQ(tick(At(7, 9), 100, {.window = true, .shortcut = true}), ScheduleStep::SiblingKeepsClock);
    EXPECT_EQ(tick(At(7, 9), 101, {.window = false, .shortcut = true}), ScheduleStep::SiblingKeepsClock);
    EXPECT_EQ(tick(At(7, 9), 102, {}), ScheduleStep::Nothing);
    EXPECT_EQ(schedule.pTDay, 0);
    EXPECT_EQ(tick(At(7, 9), 103, {.window = false, .shortcut = true}), ScheduleStep::Start);
    schedule.cbTShuusei = false;
    EXPECT_EQ(tick(At(8, 9)), ScheduleStep::Nothing);
}

} // namespace
} // namespace rekko
