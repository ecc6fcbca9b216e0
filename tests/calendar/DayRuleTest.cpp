// SPDX-License-Identifier: GPL-3.0-or-later
// Rule lines: the forms, bad lines, and matching with year ranges.
#include "calendar/DayRule.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Outcome = RuleLineReading::Outcome;

TBinaryDayListItem itemOf(std::string_view line) {
    const RuleLineReading reading = ReadRuleLine(line);
    EXPECT_EQ(reading.outcome, Outcome::Item) << line;
    return reading.item;
}

bool holds(std::string_view line, int32_t y, int m, int d) {
    return ItemMatches(itemOf(line), y, m, d);
}

TEST(DayRule, FieldCountSelectsTheForm) {
    const TBinaryDayListItem three = itemOf("12,24,Eve");
    EXPECT_EQ(std::tuple(three.Month, three.Day, three.Name, three.FromYear), std::tuple(12, 24, "Eve", kNoYearLimit));
    // 4 fields: month, week, weekday; the third Sunday of May and the first Monday.
    EXPECT_TRUE(holds("5,3,1,x", 2026, 5, 17));
    EXPECT_FALSE(holds("5,3,1,x", 2026, 5, 10));
    // The 7-field form is the one of the built-in holidays, checked day by day against the official list.
}

TEST(DayRule, YearModesAndWrappedRanges) {
    for (int32_t year : {2000, 2001, 2002}) {
        EXPECT_EQ(holds("2001,0,12,24,x", year, 12, 24), year == 2001);
        EXPECT_EQ(holds("2001,1,12,24,x", year, 12, 24), year <= 2001);
        EXPECT_EQ(holds("2001,2,12,24,x", year, 12, 24), year >= 2001);
        EXPECT_TRUE(holds("2001,3,12,24,x", year, 12, 24));
    }
    // A 7-field range whose end lies before its start holds outside the gap.
    for (int32_t year = 1998; year <= 2007; ++year)
        EXPECT_EQ(holds("2005,2000,1,1,,,x", year, 1, 1), year <= 2000 || year >= 2005) << year;
}

TEST(DayRule, UnusableLinesGiveNoItemAndBadFieldsAreBadNumbers) {
    const std::string thirty = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30";
    for (const std::string& line : {std::string(), std::string("   "), std::string("1,2"), std::string("1,1,,,,,,x"),
                                    thirty, std::string("\"1,1,x")})
        EXPECT_EQ(ReadRuleLine(line).outcome, Outcome::NoItem) << line;
    // The name's first word lands in the weekday field of the 4-field form.
    for (const char* line :
         {"12 24 Christmas Eve", "1,,x", "2001,0,12,,x", "1,256,x", "1,-1,x", "99999999999,,1,1,,,x", "1,1,1,1,1,1x,x"})
        EXPECT_EQ(ReadRuleLine(line).outcome, Outcome::BadNumber) << line;
    // Values that fit their fields but name no date give items that never match a real date.
    EXPECT_FALSE(holds("13,1,x", 2026, 1, 1));
    EXPECT_FALSE(holds("1,9,1,x", 2026, 1, 4));
    EXPECT_FALSE(holds("1,1,8,x", 2026, 1, 4));
    EXPECT_EQ(itemOf("1,1," + std::string(65536, 'n')).Name.size(), 65536u); // a 64 KB name is kept whole
}

TEST(DayRule, RuleDateResolvesFixedAndWeekdayLines) {
    auto resolve = [](std::string_view line, int32_t year, int filter = 0) {
        int month = filter, day = 0;
        std::string name;
        RuleDate(line, year, month, day, name);
        return std::tuple(month, day, name);
    };
    EXPECT_EQ(resolve("11,3,文化の日", 2026), std::tuple(11, 3, std::string("文化の日")));
    EXPECT_EQ(resolve("1,2,2,成人の日", 2026), std::tuple(1, 12, std::string("成人の日")));
    EXPECT_EQ(resolve("2026,0,9,3,2,敬老の日", 2026), std::tuple(9, 21, std::string("敬老の日")));
    EXPECT_EQ(std::get<0>(resolve("2026,0,9,3,2,敬老の日", 2027)), 13);
    EXPECT_EQ(std::get<1>(resolve("11,3,x", 2026, 12)), 32);
    EXPECT_EQ(std::get<0>(resolve("2,5,1,x", 2026)), 13); // no fifth Sunday in February 2026
}

} // namespace
} // namespace rekko
