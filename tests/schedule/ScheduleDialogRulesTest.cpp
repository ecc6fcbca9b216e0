// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule dialog's decisions: the cancel question and the write flag, the day heading, the time to
// insert and the refusal of text code page 932 cannot hold.
#include "schedule/ScheduleDialogRules.h"

#include "calendar/Julius.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

// What the dialog's flows do not show: the cancel question's buttons and default, and the write flag of an unchanged
// day (nothing) and of a period (always).
TEST(ScheduleDialogRules, CancelQuestionAndTheWriteFlagOfUnchangedPages) {
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::No, "キャンセルしますか？");
    EXPECT_FALSE(ConfirmCancel(dialogs));
    const DialogMessage& asked = dialogs.shown().at(0);
    EXPECT_EQ(asked.buttons, DialogButtons::YesNo);
    EXPECT_EQ(asked.defaultAnswer, DialogAnswer::Yes);
    EXPECT_FALSE(WriteOnClose(ScheduleMode::Day, false, false, false));
    EXPECT_TRUE(WriteOnClose(ScheduleMode::Period, false, false, false));
}

TEST(ScheduleDialogRules, HeadingShowsDateAndColouredWeekday) {
    // 2000-06-04 was a Sunday, 2000-06-10 a Saturday, 2000-06-07 a Wednesday.
    EXPECT_EQ(DateLineOf(EncodeJuliusDay(2000, 6, 4)), "2000. 6. 4");
    EXPECT_EQ(DateLineOf(EncodeJuliusDay(2026, 12, 31)), "2026.12.31");
    const WeekdayLine sunday = WeekdayLineOf(EncodeJuliusDay(2000, 6, 4));
    EXPECT_EQ(sunday.text, "（ 日曜日 ）");
    EXPECT_EQ(sunday.colour, clRed);
    const WeekdayLine saturday = WeekdayLineOf(EncodeJuliusDay(2000, 6, 10));
    EXPECT_EQ(saturday.text, "（ 土曜日 ）");
    EXPECT_EQ(saturday.colour, clBlue);
    EXPECT_EQ(WeekdayLineOf(EncodeJuliusDay(2000, 6, 7)).colour, clWindowText);
}

TEST(ScheduleDialogRules, TimeInsertIsHoursAndMinutesWithLeadingZeros) {
    test::FakeClock clock(CalendarDate{2026, 5, 12}, TimeOfDay{7, 5, 59});
    EXPECT_EQ(TimeInsertText(clock), "07:05");
    clock.set(EncodeDateTime({2026, 5, 12}, {0, 0, 0}));
    EXPECT_EQ(TimeInsertText(clock), "00:00");
    clock.set(EncodeDateTime({2026, 5, 12}, {23, 59, 0}));
    EXPECT_EQ(TimeInsertText(clock), "23:59");
}

TEST(ScheduleDialogRules, NamesStripSeparatesSpecialDaysByKind) {
    const DayNameList names{{"結婚記念日", "創立記念日", "こどもの日", "端午"}, "SSHS"};
    const std::vector<HeadingPart> parts = HeadingParts(names);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0].text, "結婚記念日，");
    EXPECT_TRUE(parts[0].special);
    EXPECT_EQ(parts[1].text, "創立記念日 ");
    EXPECT_EQ(parts[2].text, "こどもの日");
    EXPECT_FALSE(parts[2].special);
    EXPECT_EQ(parts[3].text, "端午");
    EXPECT_TRUE(HeadingParts({}).empty());
}

TEST(ScheduleDialogRules, RefusesTextCodePage932CannotHoldNamingEveryCharacterOnce) {
    EXPECT_FALSE(FindUnstorableText({"会議 1,000円", "～①髙", ""}).has_value());
    const auto refusal = FindUnstorableText({"ok", "旅行 \xF0\x9F\x98\x80 楽しみ", "한 \xF0\x9F\x98\x80 é"});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, "「\xF0\x9F\x98\x80」「한」「é」はシフトJISで保存できない文字です。");
    EXPECT_EQ(refusal->text, 1u);
    EXPECT_EQ(refusal->offset, std::string("旅行 ").size());
    EXPECT_EQ(refusal->length, 4u);
}

} // namespace
} // namespace rekko
