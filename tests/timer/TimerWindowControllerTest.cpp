// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the timer window near or far from the set time, unreadable set times, and its display tick, with a set
// clock.
#include "timer/TimerWindowController.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using test::FakeClock;
using test::ScriptedDialogs;

constexpr CalendarDate kDay{2026, 5, 20};
constexpr CalendarDate kNextDay{2026, 5, 21};

LocalDateTime at(int hour, int minute, int second = 0, CalendarDate date = kDay) {
    return EncodeDateTime(date, {hour, minute, second});
}

int32_t ms(int hour, int minute, int second = 0) {
    return ((hour * 60 + minute) * 60 + second) * 1000;
}

CountdownTimer disarmed(int notice = 3) {
    return CountdownTimer(at(9, 0), notice);
}

struct Window {
    explicit Window(LocalDateTime now, const CountdownTimer& timer = disarmed(),
                    TimerWindowMode mode = TimerWindowMode::Setting)
        : clock(now), controller(clock, dialogs, timer, mode) {}
    FakeClock clock;
    ScriptedDialogs dialogs;
    TimerWindowController controller;
};

TEST(TimerWindow, StartNearTheSetTimeIsRefused) {
    // B = 3 and T = 15:00:00.
    const struct {
        LocalDateTime now;
        const char* message;
    } cases[] = {
        {at(14, 58), "時刻が過ぎようとしています。\r\n中止いたします。"},
        {at(15, 0), "時刻が過ぎようとしています。\r\n中止いたします。"},
        {at(15, 10), "時刻が既に過ぎています。\r\n中止いたします。"},
    };
    for (const auto& c : cases) {
        Window w(c.now);
        w.dialogs.expect(DialogAnswer::Ok);
        EXPECT_FALSE(w.controller.start({"15", "0", "0"}));
        ASSERT_EQ(w.dialogs.shown().size(), 1u);
        EXPECT_EQ(w.dialogs.shown()[0].text, c.message);
        EXPECT_EQ(w.controller.state(), TimerWindowState::Setting);
        EXPECT_FALSE(w.controller.timer().armed());
    }
}

TEST(TimerWindow, StartTwelveHoursAheadAsksWithWholeHoursAndMinutes) {
    Window late(at(15, 40));
    late.dialogs.expect(DialogAnswer::Yes);
    EXPECT_TRUE(late.controller.start({"15", "0", "0"}));
    ASSERT_EQ(late.dialogs.shown().size(), 1u);
    const DialogMessage& question = late.dialogs.shown()[0];
    EXPECT_EQ(question.text, "設定時刻が現時刻から１２時間以上（ 23 時 20 分）ありますが、\r\n"
                             "これで間違いないでしょうか？");
    EXPECT_EQ(question.buttons, DialogButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, DialogAnswer::No);
    EXPECT_TRUE(late.controller.timer().armed());
    // Armed for the next day: not due in the hour after, due at 14:57 tomorrow.
    late.clock.set(at(16, 40));
    EXPECT_FALSE(late.controller.tick());
    late.clock.set(at(14, 57, 0, kNextDay));
    EXPECT_TRUE(late.controller.tick());

    Window morning(at(8, 59, 30));
    morning.dialogs.expect(DialogAnswer::No);
    morning.dialogs.expect(DialogAnswer::Ok);
    EXPECT_FALSE(morning.controller.start({"21", "0", "0"}));
    ASSERT_EQ(morning.dialogs.shown().size(), 2u);
    EXPECT_NE(morning.dialogs.shown()[0].text.find("（ 12 時 0 分）"), std::string::npos);
    EXPECT_EQ(morning.dialogs.shown()[1].text, "もう一度、時刻の設定をお願いいたします。");
    EXPECT_FALSE(morning.controller.timer().armed());

    Window justUnder(at(8, 59, 30));
    EXPECT_TRUE(justUnder.controller.start({"20", "59", "0"}));
    EXPECT_TRUE(justUnder.dialogs.shown().empty());
}

TEST(TimerWindow, UnreadableSetTimeIsRefusedAndShownAsConversionError) {
    Window w(at(10, 0));
    w.dialogs.expect(DialogAnswer::Ok);
    EXPECT_FALSE(w.controller.fieldsChanged({"1a", "0", "0"}));
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_EQ(w.dialogs.shown()[0].text, "時刻変換エラー");
    EXPECT_EQ(w.controller.fieldsChanged({"12", "", "5"}), ms(12, 0, 5));

    w.dialogs.expect(DialogAnswer::Ok);
    EXPECT_FALSE(w.controller.start({"12", " ", "0"}));
    EXPECT_EQ(w.dialogs.shown().back().text, "時刻が不正です。\r\n正しい時刻を入力してください。");
    EXPECT_EQ(w.controller.state(), TimerWindowState::Setting);
}

// The labels of the waiting and alert states are checked in the window.
TEST(TimerWindow, WaitingBlinksAndTheAlertStatusChangesOnlyWithTheLabel) {
    Window w(at(14, 0, 30));
    EXPECT_TRUE(w.controller.start({"15", "0", "0"}));
    w.controller.setNotice(0);
    EXPECT_EQ(w.controller.display().noticeLine, "");
    w.controller.setNotice(3);

    w.clock.set(at(13, 59, 50));
    const bool before = w.controller.display().labelEnabled;
    EXPECT_FALSE(w.controller.tick());
    EXPECT_NE(w.controller.display().labelEnabled, before);
    EXPECT_EQ(w.controller.display().countdown, "設定時刻まで、1 時間 1 分");

    w.clock.set(at(14, 57));
    EXPECT_TRUE(w.controller.tick());
    EXPECT_EQ(w.controller.display().status, "設定時刻、4 分前です");

    // The status line changes only on the ticks that turn the label enabled.
    w.clock.set(at(15, 5));
    EXPECT_FALSE(w.controller.tick());
    EXPECT_FALSE(w.controller.display().labelEnabled);
    EXPECT_EQ(w.controller.display().status, "設定時刻、4 分前です");
    EXPECT_FALSE(w.controller.tick());
    EXPECT_TRUE(w.controller.display().labelEnabled);
    EXPECT_EQ(w.controller.display().status, "設定時刻を、5 分経過しています");
}

} // namespace
} // namespace rekko
