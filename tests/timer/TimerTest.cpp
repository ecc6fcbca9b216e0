// SPDX-License-Identifier: GPL-3.0-or-later
// The timer's logic with a set clock: firing window, alarm tick, stored values, texts, set-time fields and starts.
#include "timer/CountdownTimer.h"
#include "timer/SetTimeFields.h"
#include "timer/TimerTexts.h"
#include "timer/TimerWindowController.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rekko {
namespace {

constexpr CalendarDate kDay{2026, 5, 20};
constexpr CalendarDate kNextDay{2026, 5, 21};

int32_t ms(int hour, int minute, int second = 0, int millisecond = 0) {
    return ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
}

LocalDateTime at(int hour, int minute, int second = 0, CalendarDate date = kDay) {
    return EncodeDateTime(date, {hour, minute, second});
}

struct CountingAlert : TimerAlert {
    void queueAlert() override { ++queued; }
    int queued = 0;
};

struct Window {
    explicit Window(LocalDateTime now)
        : clock(now), controller(clock, dialogs, CountdownTimer(at(9, 0), 3), TimerWindowMode::Setting) {}
    test::FakeClock clock;
    test::ScriptedDialogs dialogs;
    TimerWindowController controller;
};

TEST(CountdownTimer, AlertIsDueFromTheNoticeUntilHalfAnHourAfterItWithoutWrappingAtMidnight) {
    // B = 3, T = 15:00: due from 14:57:00 until before 15:33:00. B = 9, T = 00:05: not at 23:56 the evening before,
    // but from midnight on. T = 23:55 is not due again 40 minutes later, after midnight.
    const std::tuple<int32_t, int, int32_t, bool> cases[] = {{ms(15, 0), 3, ms(14, 56, 59, 999), false},
                                                             {ms(15, 0), 3, ms(14, 57), true},
                                                             {ms(15, 0), 3, ms(15, 0), true},
                                                             {ms(15, 0), 3, ms(15, 32, 59, 999), true},
                                                             {ms(15, 0), 3, ms(15, 33), false},
                                                             {ms(15, 0), 3, ms(3, 0), false},
                                                             {ms(0, 5), 9, ms(23, 56), false},
                                                             {ms(0, 5), 9, ms(23, 59, 59, 999), false},
                                                             {ms(0, 5), 9, ms(0, 0), true},
                                                             {ms(23, 55), 0, ms(0, 10), false}};
    for (const auto& [set, notice, now, due] : cases)
        EXPECT_EQ(IsAlertDue(set, notice, now), due) << set << " " << now;
}

TEST(CountdownTimer, EdgesAreExactOnAnyDate) {
    // As fractions of a double day about half of these edges come out a hair early or late; whole milliseconds not.
    for (int day = 1; day <= 28; ++day) {
        const CalendarDate date{2026, 2, static_cast<uint8_t>(day)};
        for (int minuteOfDay = 10; minuteOfDay < 23 * 60; minuteOfDay += 37) {
            const int32_t t = ms(0, minuteOfDay);
            for (const int notice : {0, 3, 9}) {
                const int32_t first = MillisecondOfDay(at(0, minuteOfDay - notice, 0, date));
                const int32_t after = MillisecondOfDay(at(0, minuteOfDay + notice + 30, 0, date));
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
    EXPECT_EQ(std::pair(CountdownTimer(0.5, 10000).notice(), CountdownTimer(0.5, -4).notice()), std::pair(9, 0));
}

TEST(TimerTexts, BothLinesCountTheStartedMinuteAndCarryItIntoTheHour) {
    // A set time already passed today counts towards tomorrow's; a window left open across midnight counts from the
    // nearest set time. Exactly whole minutes are not counted up.
    const int32_t t = ms(15, 0);
    const std::tuple<std::string (*)(int32_t, int32_t), int32_t, int32_t, const char*> cases[] = {
        {CountdownLine, t, t - 1, "設定時刻まで、1 分"},
        {CountdownLine, t, ms(15, 40), "設定時刻まで、23 時間 20 分"},
        {CountdownLine, ms(0, 5), ms(23, 56, 30), "設定時刻まで、9 分"},
        {CountdownLine, t, ms(14, 57), "設定時刻まで、3 分"},
        {CountdownLine, t, ms(14, 0, 30), "設定時刻まで、1 時間 0 分"},
        {CountdownLine, t, ms(13, 0, 30), "設定時刻まで、2 時間 0 分"},
        {CountdownLine, t, ms(13, 59, 50), "設定時刻まで、1 時間 1 分"},
        {AlertStatusLine, t, ms(14, 57), "設定時刻、3 分前です"},
        {AlertStatusLine, t, ms(14, 59, 0, 500), "設定時刻、1 分前です"},
        {AlertStatusLine, t, ms(14, 59, 59), "設定時刻、1 分前です"},
        {AlertStatusLine, t, ms(15, 0), "設定時刻です"},
        {AlertStatusLine, t, ms(15, 0, 59, 999), "設定時刻です"},
        {AlertStatusLine, t, ms(16, 10, 30), "設定時刻を、1 時間 10 分経過しています"},
        {AlertStatusLine, ms(23, 58), ms(0, 10), "設定時刻を、12 分経過しています"},
        {AlertStatusLine, ms(0, 5), ms(23, 56, 30), "設定時刻、9 分前です"}};
    for (const auto& [text, set, now, line] : cases)
        EXPECT_EQ(text(set, now), line) << set << " " << now;
}

TEST(SetTimeFields, ReadsDigitsOnly) {
    const std::pair<SetTimeFields, std::optional<int32_t>> cases[] = {
        {{"07", "05", "09"}, ms(7, 5, 9)}, {{"", "30", ""}, ms(0, 30)},       {{"23", "59", "59"}, ms(23, 59, 59)},
        {{"24", "0", "0"}, std::nullopt},  {{"1", "60", "0"}, std::nullopt},  {{"1", " 5", "0"}, std::nullopt},
        {{"+1", "0", "0"}, std::nullopt},  {{"123", "0", "0"}, std::nullopt}, {{"１", "0", "0"}, std::nullopt}};
    for (const auto& [fields, time] : cases)
        EXPECT_EQ(ReadSetTime(fields), time) << fields.hour << ":" << fields.minute << ":" << fields.second;
}

TEST(SetTimeFields, StepsCarryIntoTheNextField) {
    const std::tuple<SetTimeFields, TimeField, int, SetTimeFields> cases[] = {
        {{"0", "0", "0"}, TimeField::Minute, -1, {"23", "59", "0"}},
        {{"10", "59", "59"}, TimeField::Second, 1, {"11", "0", "0"}},
        {{"0", "30", "0"}, TimeField::Hour, -1, {"23", "30", "0"}},
        {{"5", "x", ""}, TimeField::Minute, 1, {"5", "1", "0"}}};
    for (const auto& [from, field, step, to] : cases)
        EXPECT_EQ(StepSetTimeField(from, field, step), to) << from.hour << ":" << from.minute;
}

TEST(TimerWindow, StartNearTheSetTimeIsRefused) {
    // B = 3 and T = 15:00:00.
    const std::pair<LocalDateTime, const char*> cases[] = {
        {at(14, 58), "時刻が過ぎようとしています。\r\n中止いたします。"},
        {at(15, 0), "時刻が過ぎようとしています。\r\n中止いたします。"},
        {at(15, 10), "時刻が既に過ぎています。\r\n中止いたします。"}};
    for (const auto& [now, message] : cases) {
        Window w(now);
        w.dialogs.expect(DialogAnswer::Ok);
        EXPECT_FALSE(w.controller.start({"15", "0", "0"}));
        ASSERT_EQ(w.dialogs.shown().size(), 1u);
        EXPECT_EQ(std::tuple(w.dialogs.shown()[0].text, w.controller.state(), w.controller.timer().armed()),
                  std::tuple(message, TimerWindowState::Setting, false));
    }
    // Exactly the notice before the set time the timer still starts; the next tick gives the alert.
    Window w(at(14, 57));
    EXPECT_TRUE(w.controller.start({"15", "0", "0"}));
    w.clock.set(at(14, 57, 1));
    EXPECT_TRUE(w.controller.tick());
}

TEST(TimerWindow, StartTwelveHoursAheadAsksWithWholeHoursAndMinutes) {
    Window late(at(15, 40));
    late.dialogs.expect(DialogAnswer::Yes);
    EXPECT_TRUE(late.controller.start({"15", "0", "0"}));
    ASSERT_EQ(late.dialogs.shown().size(), 1u);
    const DialogMessage& question = late.dialogs.shown()[0];
    EXPECT_EQ(std::tuple(question.text, question.buttons, question.defaultAnswer),
              std::tuple("設定時刻が現時刻から１２時間以上（ 23 時 20 分）ありますが、\r\nこれで間違いないでしょうか？",
                         DialogButtons::YesNo, DialogAnswer::No));
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
    EXPECT_EQ(w.controller.display().status, "設定時刻、3 分前です");

    // The status line changes only on the ticks that turn the label enabled.
    w.clock.set(at(15, 5));
    const auto tick = [&w] {
        return std::tuple{w.controller.tick(), w.controller.display().labelEnabled, w.controller.display().status};
    };
    EXPECT_EQ(tick(), std::tuple(false, false, "設定時刻、3 分前です"));
    EXPECT_EQ(tick(), std::tuple(false, true, "設定時刻を、5 分経過しています"));
}

} // namespace
} // namespace rekko
