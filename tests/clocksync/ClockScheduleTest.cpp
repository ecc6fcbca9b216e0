// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule check of the automatic clock correction (daily, weekly and set-time rules, refusals) and the settings
// of section Jikoku that the settings window reads, writes and copies to the schedule.
#include "clocksync/ClockSchedule.h"
#include "clocksync/JikokuFile.h"

#include "TempDir.h"

#include "base/AtomicWrite.h"
#include "base/TextFile.h"

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
    bool tick(LocalDateTime now, int ticks = 1000) { return RetrievalDue(schedule, now, ticks); }
};

TEST_F(ClockScheduleTest, DailyStartsOnceADayAfterTheDelay) {
    EXPECT_FALSE(tick(At(7, 9), 59));
    EXPECT_TRUE(tick(At(7, 9), 60));
    EXPECT_EQ(schedule.pTDay, Day(7));
    EXPECT_FALSE(tick(At(7, 10), 61));
    // A new start of the program on the same day: nothing.
    EXPECT_FALSE(tick(At(7, 18), 60));
    EXPECT_TRUE(tick(At(8, 0, 0, 5)));
    schedule.pTChien = 0;
    schedule.pTDay = 0;
    EXPECT_TRUE(tick(At(8, 1), 1));
}

TEST_F(ClockScheduleTest, ARefusedStartIsTriedAgainDailyOnly) {
    EXPECT_TRUE(tick(At(7, 9))); // the settings window is open
    RetrievalRefused(schedule);
    EXPECT_TRUE(tick(At(7, 9, 0, 10)));
    schedule.pTAccess = 1;
    EXPECT_TRUE(tick(At(7, 9, 0, 20)));
    RetrievalRefused(schedule);
    EXPECT_FALSE(tick(At(7, 9, 0, 30)));
}

TEST_F(ClockScheduleTest, WeeklyWaitsForTheNextMonday) {
    schedule.pTAccess = 1;
    EXPECT_TRUE(tick(At(9, 12))); // a Wednesday
    EXPECT_EQ(schedule.pTWeek, Day(7));
    EXPECT_EQ(schedule.pTDay, Day(9));
    EXPECT_FALSE(tick(At(13, 12)));
    EXPECT_TRUE(tick(At(14, 8)));
    EXPECT_EQ(schedule.pTWeek, Day(14));
}

TEST_F(ClockScheduleTest, SetTimeEveryDayStartsAtTheFirstTickAfterTheTime) {
    schedule.pTAccess = 2;
    schedule.pTYoubi = 0;
    EXPECT_FALSE(tick(At(7, 14, 59, 59), 1)); // no start delay, but not yet
    EXPECT_FALSE(tick(At(7, 15, 0, 0), 2));
    EXPECT_TRUE(tick(At(7, 15, 0, 1), 3));
    EXPECT_EQ(schedule.pTNini, Day(7) - 6);
    EXPECT_FALSE(tick(At(7, 23)));
    EXPECT_FALSE(tick(At(8, 14)));
    EXPECT_TRUE(tick(At(8, 15, 30)));
}

TEST_F(ClockScheduleTest, SetTimeOnAWeekdayStartsTodayFirstThenOnThatDay) {
    schedule.pTAccess = 2;
    schedule.pTYoubi = 4; // Wednesday
    EXPECT_TRUE(tick(At(7, 16)));
    EXPECT_EQ(schedule.pTNini, Day(2));
    EXPECT_FALSE(tick(At(8, 16)));
    EXPECT_FALSE(tick(At(9, 14)));
    EXPECT_TRUE(tick(At(9, 16)));
    EXPECT_EQ(schedule.pTNini, Day(9));
}

TEST_F(ClockScheduleTest, NothingIsDueWhileAutomaticCorrectionIsOff) {
    schedule.cbTShuusei = false;
    EXPECT_FALSE(tick(At(8, 9)));
}

TEST(JikokuFile, TheSectionIsReadAndWrittenWholeLeavingTheRestOfTheFile) {
    test::TempDir dir;
    const auto ini = dir / "Sorel.ini";
    ASSERT_TRUE(WriteFileAtomically(ini, "[Settei]\r\npTChien=90\r\n[Jikoku]\r\nudGosa=181\r\nedtProxy=proxy:8080\r\n"
                                         "udGyou=9999\r\nmine=kept\r\n"));
    JikokuKeys keys = ReadJikokuKeys(ini, At(7, 13, 5, 9));
    EXPECT_EQ(keys.values().udGosa, 181); // the run names a tolerance out of range
    EXPECT_EQ(keys.values().udGyou, 100);
    EXPECT_EQ(keys.values().edtProxy, "proxy:8080");
    EXPECT_EQ(keys.values().vTime, "130509"); // absent: the time of day
    EXPECT_TRUE(keys.values().rbJapan);

    keys.edit().rbJapan = false;
    keys.edit().rbWebSV1 = true;
    ASSERT_TRUE(WriteJikokuKeys(ini, keys));
    const auto text = ReadTextFile(ini);
    ASSERT_TRUE(text);
    const auto& lines = text.value().lines();
    EXPECT_EQ(lines.at(1), "pTChien=90");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "mine=kept"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "rbWebSV1=1"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "edtProxy=proxy:8080"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "vTime=130509"), 1);
    EXPECT_EQ(lines.size(), 2u + 1u + 24u + 1u); // Settei, the section header, every key and the stranger
}

TEST(JikokuFile, TheWindowGivesTheMainWindowItsScheduleWithAValidSetTime) {
    EXPECT_EQ(ValidSetTime("0730xx"), "073000");
    EXPECT_EQ(ValidSetTime("ab1510"), "151510");
    EXPECT_EQ(ValidSetTime("2460"), "150000");
    EXPECT_EQ(ValidSetTime(""), "150000");
    JikokuSettings settings;
    settings.rbWeek = true;
    settings.cbYoubi = 0;
    settings.vTime = "0930";
    ClockCorrectionSettings schedule;
    CopySchedule(settings, 0, schedule);
    EXPECT_EQ(schedule.pTAccess, 1);
    EXPECT_EQ(schedule.pTChien, 0); // acts until the next start reads it as 30
    EXPECT_EQ(schedule.pTTime, "093000");
    EXPECT_EQ(schedule.pTYoubi, 0);
    settings.rbShitei = true;
    CopySchedule(settings, 60, schedule);
    EXPECT_EQ(schedule.pTAccess, 2);
}

} // namespace
} // namespace rekko
