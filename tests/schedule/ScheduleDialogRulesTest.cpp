// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule dialog's decisions: the day heading, the names strip and the refusal of text code page 932 cannot
// hold.
#include "schedule/ScheduleDialogRules.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(ScheduleDialogRules, HeadingShowsDateAndColouredWeekday) {
    // 2000-06-04 was a Sunday, 2000-06-10 a Saturday, 2000-06-07 a Wednesday.
    EXPECT_EQ(DateLineOf(EncodeJuliusDay(2000, 6, 4)), "2000. 6. 4");
    const WeekdayLine sunday = WeekdayLineOf(EncodeJuliusDay(2000, 6, 4));
    EXPECT_EQ(sunday.text, "（ 日曜日 ）");
    EXPECT_EQ(sunday.colour, clRed);
    EXPECT_EQ(WeekdayLineOf(EncodeJuliusDay(2000, 6, 10)).colour, clBlue);
    EXPECT_EQ(WeekdayLineOf(EncodeJuliusDay(2000, 6, 7)).colour, clWindowText);
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
