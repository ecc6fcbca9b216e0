// SPDX-License-Identifier: GPL-3.0-or-later
// The function tick under a set clock: its warm-up, Jiglo and the date rollover; and the status-bar clock.
#include "app/FunctionTick.h"
#include "app/StatusText.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace rekko {
namespace {

// Every port of the tick in one object that logs what the tick asks of it.
struct FakeShell : TickWindow, TickMonths, DialogState, TimerAlert, ClockCorrection, StatusBar, InstanceRegistry {
    explicit FakeShell(const test::FakeClock& fakeClock) : clock(fakeClock) {}

    bool visible() const override { return true; }
    ShownPage shownPage() const override { return page; }
    void setTickInterval(int milliseconds) override { intervals.push_back(milliseconds); }
    void setAutoCorrectionEnabled(bool) override {}
    void showRetrieval(bool) override {}
    void quitWithoutSaving() override { log.push_back("quit"); }

    int32_t today() const override { return day; }
    void storeToday(int32_t newDay) override {
        day = newDay;
        log.push_back("today " + std::to_string(DateOf(JuliusDayToDateTime(newDay)).day));
    }
    void showThisMonth() override { log.push_back("this month"); }
    void redraw() override { log.push_back("redraw"); }
    void refreshYearView() override { log.push_back("year view"); }
    SaveReport saveAll() override {
        log.push_back("save all");
        return saveResult;
    }
    Status reinitialise() override {
        log.push_back("reinitialise");
        day = DateTimeToJuliusDay(clock.now());
        return reinitialiseResult;
    }

    bool scheduleDialogOpen() const override { return dialogOpen; }

    void queueAlert() override {}

    bool retrievalRunning() const override { return false; }
    bool checkSchedule(LocalDateTime, int ticksSinceStart) override {
        scheduleChecks.push_back(ticksSinceStart);
        return false;
    }

    void showPanel0(const std::string&) override {}
    void showPanel1(const StatusLine& line) override { panel1.push_back(line.text); }
    void setHighlighted(bool on) override { log.push_back(on ? "yellow" : "normal colour"); }

    bool exists(const std::string& title) override { return std::ranges::count(titles, title) > 0; }
    bool wake(const std::string&) override { return false; }

    const test::FakeClock& clock;
    ShownPage page = ShownPage::Month;
    bool dialogOpen = false;
    std::vector<std::string> log;
    int32_t day = 0;
    SaveReport saveResult;
    Status reinitialiseResult = Success();
    std::vector<int> scheduleChecks, intervals;
    std::vector<std::string> panel1, titles;
};

struct Tick {
    explicit Tick(LocalDateTime start) : clock(start), shell(clock) {
        shell.day = DateTimeToJuliusDay(start);
        settings.cbShiyouchuu = false;
    }

    // Runs the started tick count times, each after the interval it last gave the window.
    void run(int count) {
        for (int i = 0; i < count; ++i) {
            clock.advanceSeconds(shell.intervals.back() / 1000.0);
            tick.tick();
        }
    }

    test::TempDir startup;
    test::FakeClock clock;
    FakeShell shell;
    CountdownTimer timer;
    test::ScriptedDialogs dialogs;
    Settings settings;
    StatusPanels status{shell, clock, settings, startup.path(), "/opt/rekko"};
    FunctionTick tick{{clock, dialogs, shell, shell, shell, shell, timer, shell, shell, status}, settings};
};

// 180 ticks at 1 s with automatic clock correction (3 minutes), else at 10 s (30 minutes); then cbTimer's interval,
// 10 s when its item is not in the list.
TEST(FunctionTick, WarmUpRunsOneHundredEightyTicksBeforeTheChosenInterval) {
    const struct {
        bool correction;
        int item;
        std::vector<int> intervals;
        double minutes;
    } cases[] = {{true, 9, {1000, 60000}, 3}, {false, 0, {10000, 1000}, 30}, {false, 10, {10000, 10000}, 30}};
    for (const auto& c : cases) {
        const LocalDateTime start = EncodeDateTime({2024, 5, 20}, {9, 0, 0});
        Tick t(start);
        t.settings.cbTShuusei = c.correction;
        t.settings.cbTimerNo = c.item;
        t.tick.start();
        t.run(179);
        EXPECT_EQ(t.shell.intervals.size(), 1u);
        t.run(1);
        EXPECT_EQ(t.tick.warmUpCounter(), -1);
        EXPECT_NEAR((t.clock.now() - start) * 24 * 60, c.minutes, 1e-6);
        t.run(5);
        EXPECT_EQ(t.shell.intervals, c.intervals);
    }
}

TEST(FunctionTick, JigloTakesOverClockCorrectionButNeverTheRollover) {
    Tick t(EncodeDateTime({2024, 5, 20}, {23, 59, 59}));
    t.settings.cbTShuusei = true;
    t.tick.start();
    t.startup.write("Jiglo.desktop", "[Desktop Entry]\n");
    t.shell.titles.push_back(kJigloWindowTitle);
    t.run(1);
    EXPECT_TRUE(t.shell.scheduleChecks.empty());
    EXPECT_EQ(t.shell.panel1.back(), "<Jiglo>によって時刻変更中");
    EXPECT_EQ(t.shell.day, EncodeJuliusDay(2024, 5, 21));

    // Jiglo's window without its autostart entry does not stop the correction (the tick that finds it gone skips).
    std::filesystem::remove(t.startup / "Jiglo.desktop");
    t.run(2);
    EXPECT_EQ(t.shell.panel1.back(), "");
    EXPECT_EQ(t.shell.scheduleChecks.size(), 1u);
}

TEST(FunctionTick, RolloverWaitsForTheScheduleDialogAndOtherPages) {
    Tick t(EncodeDateTime({2024, 5, 21}, {0, 0, 5}));
    t.shell.day = EncodeJuliusDay(2024, 5, 20);
    t.tick.start();
    t.shell.dialogOpen = true;
    t.run(3);
    t.shell.dialogOpen = false;
    for (const ShownPage page : {ShownPage::Settings, ShownPage::Memo}) {
        t.shell.page = page;
        t.run(1);
    }
    EXPECT_TRUE(t.shell.log.empty());

    // On the year page the date changes without going to this month or the yellow bar.
    t.shell.page = ShownPage::Year;
    t.run(1);
    EXPECT_EQ(t.shell.log, (std::vector<std::string>{"today 21", "redraw", "year view", "normal colour"}));
}

TEST(FunctionTick, FailedSaveKeepsTheMonthsAndTriesAgainAtTheNextDateChange) {
    Tick t(EncodeDateTime({2024, 6, 30}, {23, 59, 55}));
    t.tick.start();
    t.shell.saveResult.failures.push_back({.cause = "No space left on device", .path = "/data/Ca202406.myc"});
    t.dialogs.expect(DialogAnswer::Ok);
    t.run(1);
    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    EXPECT_EQ(t.dialogs.shown()[0].text, t.shell.saveResult.message());
    EXPECT_EQ(t.shell.log, (std::vector<std::string>{"this month", "yellow", "today 1", "save all", "redraw",
                                                     "year view", "normal colour"}));

    t.shell.saveResult = {};
    t.shell.log.clear();
    t.clock.set(EncodeDateTime({2024, 7, 2}, {0, 0, 5}));
    t.tick.tick();
    EXPECT_EQ(t.shell.log[3], "save all");
    EXPECT_EQ(t.shell.log[4], "reinitialise");
}

TEST(FunctionTick, FailedMonthInitialisationEndsWithoutASecondSave) {
    Tick t(EncodeDateTime({2024, 12, 31}, {23, 59, 55}));
    t.tick.start();
    t.shell.reinitialiseResult = Failure{.cause = "Permission denied", .path = "/data/Ca202504.myc"};
    t.dialogs.expect(DialogAnswer::Ok);
    t.run(1);
    EXPECT_EQ(t.shell.log,
              (std::vector<std::string>{"this month", "yellow", "today 1", "save all", "reinitialise", "quit"}));
    EXPECT_EQ(t.dialogs.shown().at(0).text,
              "月の初期設定に失敗しました。\r\n/data/Ca202504.myc: Permission denied\r\n一旦、終了させますので\r\n"
              "もう一度、立ち上げ直してください。");
    EXPECT_FALSE(t.tick.dateChangeRunning());
}

TEST(StatusText, ClockIsJapaneseOnTheTwelveHourDial) {
    EXPECT_EQ(FormatStatusClock(EncodeDateTime({2024, 5, 3}, {15, 5, 30})), "2024/5/3 (金) 午後 3 : 05");
    EXPECT_EQ(FormatStatusClock(EncodeDateTime({2024, 12, 31}, {0, 0, 30})), "2024/12/31 (火) 午前 12 : 00");
    EXPECT_EQ(FormatStatusClock(EncodeDateTime({2024, 1, 7}, {11, 59, 30})), "2024/1/7 (日) 午前 11 : 59");
    EXPECT_EQ(FormatStatusClock(EncodeDateTime({2026, 12, 5}, {12, 0, 30})), "2026/12/5 (土) 午後 12 : 00");
}

} // namespace
} // namespace rekko
