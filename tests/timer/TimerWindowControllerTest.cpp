// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, starting, stopping and closing the timer window, and its display tick, with a set clock.
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
        EXPECT_EQ(w.dialogs.shown()[0].caption, "確認 -Rekko-");
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
    EXPECT_EQ(w.dialogs.shown()[0].caption, "Rekko");
    EXPECT_EQ(w.dialogs.shown()[0].text, "時刻変換エラー");
    EXPECT_EQ(w.dialogs.shown()[0].icon, DialogIcon::None);
    EXPECT_EQ(w.controller.fieldsChanged({"12", "", "5"}), ms(12, 0, 5));

    w.dialogs.expect(DialogAnswer::Ok);
    EXPECT_FALSE(w.controller.start({"12", " ", "0"}));
    EXPECT_EQ(w.dialogs.shown().back().text, "時刻が不正です。\r\n正しい時刻を入力してください。");
    EXPECT_EQ(w.controller.state(), TimerWindowState::Setting);
}

TEST(TimerWindow, WaitingCountsDownThenAlertsAndBlinks) {
    Window w(at(14, 0, 30));
    EXPECT_TRUE(w.controller.start({"15", "0", "0"}));
    EXPECT_EQ(w.controller.state(), TimerWindowState::Waiting);
    EXPECT_TRUE(w.controller.ticking());
    EXPECT_EQ(w.controller.display().label, "タイマー作動中");
    EXPECT_EQ(w.controller.display().countdown, "設定時刻まで、60 分");
    EXPECT_EQ(w.controller.display().noticeLine, "（ ３分前に通知します ）");
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
    EXPECT_EQ(w.controller.state(), TimerWindowState::Alert);
    EXPECT_FALSE(w.controller.timer().armed());
    EXPECT_EQ(w.controller.display().label, "設定された時刻になりました。");
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

TEST(TimerWindow, OpensWaitingWhenArmedAndAlertingInAlertMode) {
    CountdownTimer armed = disarmed(5);
    armed.arm(ms(21, 30, 15));
    Window waiting(at(20, 0), armed);
    EXPECT_EQ(waiting.controller.state(), TimerWindowState::Waiting);
    EXPECT_EQ(waiting.controller.openingFields(), (SetTimeFields{"21", "30", "15"}));
    EXPECT_TRUE(waiting.controller.timer().armed());

    Window alert(at(21, 26), armed, TimerWindowMode::Alert);
    EXPECT_EQ(alert.controller.state(), TimerWindowState::Alert);
    EXPECT_FALSE(alert.controller.timer().armed());
    EXPECT_EQ(alert.controller.display().status, "設定時刻、5 分前です");
}

TEST(TimerWindow, ClosingAsksOnlyInTheSettingState) {
    Window setting(at(10, 0));
    setting.dialogs.expect(DialogAnswer::No);
    EXPECT_FALSE(setting.controller.mayClose());
    EXPECT_EQ(setting.dialogs.shown()[0].text, "タイマーをセットせずに、閉じてもよろしいですか？");
    EXPECT_EQ(setting.dialogs.shown()[0].defaultAnswer, DialogAnswer::No);
    setting.dialogs.expect(DialogAnswer::Yes);
    EXPECT_TRUE(setting.controller.mayClose());

    Window armed(at(10, 0));
    EXPECT_TRUE(armed.controller.start({"11", "0", "0"}));
    EXPECT_TRUE(armed.controller.mayClose());
    EXPECT_TRUE(armed.controller.timer().armed());

    armed.controller.stop();
    EXPECT_EQ(armed.controller.state(), TimerWindowState::Setting);
    EXPECT_FALSE(armed.controller.timer().armed());
    EXPECT_FALSE(armed.controller.ticking());
}

} // namespace
} // namespace rekko
