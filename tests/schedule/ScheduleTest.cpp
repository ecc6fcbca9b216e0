// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule's records: one day's lines in a month line list, period and anniversary records, the date checks
// and stepping of the period fields, and the dialog's heading.
#include "schedule/Anniversary.h"
#include "schedule/DateFieldStep.h"
#include "schedule/DayLines.h"
#include "schedule/PeriodRecord.h"
#include "schedule/ScheduleDialogRules.h"

#include "base/CommaText.h"
#include "calendar/DayRules.h"
#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Lines = std::vector<std::string>;

DaySchedule scheduleOf(Lines lines, std::vector<LineAttribute> attributes = {}) {
    attributes.resize(lines.size());
    return {std::move(lines), std::move(attributes)};
}

TEST(DayLines, RecordsCarryEveryFieldAndEscapeCommas) {
    LineAttribute red;
    red.setColour(clRed);
    red.setNumber(1005);
    EXPECT_EQ(FormatDayRecord(5, 1, "会議 10:00, 3F", red), " 5,1,,会議 10:00， 3F,clRed,,,,1005,");
    LineAttribute custom;
    custom.setColour(0x123456);
    EXPECT_EQ(FormatDayRecord(31, 12, "x", custom), "31,12,,x,$00123456,,,,,");
}

TEST(DayLines, CommaRuleOnDisplay) {
    Lines month = {" 0,0,9,2024/ 5"};
    WriteDay(month, 4, scheduleOf({"1,000", "1,000,000", "a,b"}));
    EXPECT_EQ(month[1], " 4,1,,1，000,,,,,,");
    EXPECT_EQ(LoadDay(month, 4).lines, (Lines{"1,000", "1,000，000", "a，b"}));
}

TEST(DayLines, EditedDaysMoveToTheEndAndOtherLinesStay) {
    Lines month = {" 0,0,9,2024/ 5", " 3,1,,three,,,,,,", "10,1,,ten,,,,,,", "xx,1,,kept,,,,,,", " 3,2,,more,,,,,,"};
    WriteDay(month, 3, scheduleOf({"new three", ""}));
    EXPECT_EQ(month, (Lines{" 0,0,9,2024/ 5", "10,1,,ten,,,,,,", "xx,1,,kept,,,,,,", " 3,1,,new three,,,,,,",
                            " 3,2,,,,,,,,"}));
}

TEST(DayLines, EmptyDaysAndShortLines) {
    const DaySchedule empty = LoadDay({" 0,0,9,2024/ 5"}, 9);
    EXPECT_EQ(empty.lines, (Lines{""}));
    EXPECT_EQ(empty.attributes, (std::vector<LineAttribute>{LineAttribute{}}));
    // Five fields or fewer: the standard attribute.
    const DaySchedule shortLine = LoadDay({" 9,1,,text,clRed"}, 9);
    EXPECT_EQ(shortLine.lines, (Lines{"text"}));
    EXPECT_EQ(shortLine.attributes[0].colour, clWindowText);
    EXPECT_EQ(LoadDay({" 9"}, 9).lines, (Lines{""}));
    EXPECT_EQ(ReadDayLine("12,1,,t,clBlue,,").attribute.colour, clBlue);
}

TEST(PeriodRecord, WritesTheFourteenFieldsAndReadsThemBack) {
    const PeriodFields period{{2024, 5, 3}, DayPart::Morning, {2024, 5, 9}, DayPart::Evening, {2024, 5, 6}, 2,
                              clBlue,       "研修, 1,000"};
    const std::string record = FormatPeriodRecord(period);
    EXPECT_EQ(record, "2024, 5, 3,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,研修， 1，000");
    PeriodFields back = ReadPeriodRecord(record, clRed);
    EXPECT_EQ(back.text, "研修， 1，000"); // only a first "，" between digits turns back
    back.text = period.text;
    EXPECT_EQ(back, period);
    EXPECT_EQ(ReadPeriodRecord("2024, 5, 3,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,1，000", clRed).text, "1,000");
}

TEST(PeriodRecord, ReadingRulesForPartsAndColours) {
    const PeriodFields odd = ReadPeriodRecord("2024, 5, 3,X,2024, 5, 9,X,2024, 5, 6,3,D,t", clFuchsia);
    EXPECT_EQ(odd.startPart, DayPart::Morning);
    EXPECT_EQ(odd.endPart, DayPart::Evening);
    EXPECT_EQ(odd.colour, clFuchsia);
    const PeriodFields parts = ReadPeriodRecord("2024,5,3,E,2024,5,9,A,2024,5,6,3,$00123456,t", clFuchsia);
    EXPECT_EQ(parts.startPart, DayPart::Evening);
    EXPECT_EQ(parts.endPart, DayPart::Midday);
    EXPECT_EQ(parts.colour, 0x123456u);
    const PeriodFields garbage = ReadPeriodRecord("abc", clRed);
    EXPECT_EQ(garbage.start, (PeriodDate{0, 0, 0}));
    EXPECT_EQ(FirstInvalidPeriodDate(garbage), "0000/00/00");
}

TEST(PeriodRecord, AReversedRecordReadsTheRightWayRound) {
    const PeriodFields period = ReadPeriodRecord("2024, 5, 9,A,2024, 5, 3,M,2024, 5, 6,1,clBlue,逆", clRed);
    EXPECT_EQ(period.start, (PeriodDate{2024, 5, 3}));
    EXPECT_EQ(period.startPart, DayPart::Morning);
    EXPECT_EQ(period.end, (PeriodDate{2024, 5, 9}));
    EXPECT_EQ(period.endPart, DayPart::Midday);
    EXPECT_FALSE(PeriodReversed(period));
    EXPECT_EQ(FormatPeriodRecord(period), "2024, 5, 3,M,2024, 5, 9,A,2024, 5, 6,1,clBlue,逆");
    PeriodFields typed = period;
    typed.end = {2024, 5, 3}; // one day, whatever its parts
    typed.endPart = DayPart::Morning;
    typed.startPart = DayPart::Evening;
    EXPECT_FALSE(PeriodReversed(typed));
    typed.end = {2024, 2, 30}; // an invalid date is the date check's to refuse
    EXPECT_FALSE(PeriodReversed(typed));
}

TEST(PeriodRecord, NewPeriodsAndTheDateChecks) {
    const int32_t start = EncodeJuliusDay(2024, 5, 3), end = EncodeJuliusDay(2024, 5, 6);
    PeriodFields period = NewPeriod(start, 2, end, 1, 3, clGreen);
    EXPECT_EQ(period.label, (PeriodDate{2024, 5, 4}));
    EXPECT_EQ(NewPeriod(start, 0, end, 0, 1, clBlue).endPart, DayPart::Evening);
    EXPECT_FALSE(FirstInvalidPeriodDate(period));
    period.end = {2024, 2, 30};
    EXPECT_EQ(FirstInvalidPeriodDate(period), "2024/02/30");
    period.end = {1582, 10, 10};
    EXPECT_EQ(FirstInvalidPeriodDate(period), "1582/10/10");
}

TEST(DateFieldStep, WrapsAndCarries) {
    PeriodDate date{2024, 12, 31};
    StepDateField(date, DateField::Day, +1);
    EXPECT_EQ(date, (PeriodDate{2025, 1, 1}));
    date = {2024, 2, 31}; // the day runs to 31 whatever the month
    StepDateField(date, DateField::Day, +1);
    EXPECT_EQ(date, (PeriodDate{2024, 3, 1}));
    date = {0, 1, 1};
    StepDateField(date, DateField::Month, -1);
    EXPECT_EQ(date, (PeriodDate{0, 12, 1}));
    date = {9999, 5, 5};
    StepDateField(date, DateField::Year, +1);
    EXPECT_EQ(date.year, 9999);
}

TEST(Anniversary, FindsEditsAndDeletes) {
    std::vector<std::string> lines = {"12,24,Eve", "1990,,5,3,,,a，　b", "x,y,z,w,,,junk", ",,5,3,,,second"};
    const Anniversary found = FindAnniversary(lines, 5, 3);
    EXPECT_EQ(found.position, 1u);
    EXPECT_EQ(found.firstYear, "1990");
    EXPECT_EQ(found.lastYear, "");
    EXPECT_EQ(found.text, "a， b");
    EXPECT_FALSE(FindAnniversary(lines, 12, 24).position); // a 3-field line is no anniversary record

    Anniversary edited = found;
    edited.text = "a, b";
    ReplaceAnniversary(lines, found, edited, 5, 3);
    EXPECT_EQ(lines, (std::vector<std::string>{"12,24,Eve", "x,y,z,w,,,junk", ",,5,3,,,second", "1990,,5,3,,,a，　b"}));
    edited.text = "  　 ";
    ReplaceAnniversary(lines, FindAnniversary(lines, 5, 3), edited, 5, 3);
    EXPECT_EQ(lines.size(), 3u);
    EXPECT_EQ(FindAnniversary(lines, 5, 3).text, "a， b");
}

TEST(Anniversary, EveryCharacterOfTheCommaTextRuleReadsBack) {
    // What the text holds, and what the dialog shows again: commas come back full-width but for one between digits.
    const std::pair<const char*, const char*> texts[] = {{"\"祝\" 記念", "\"祝\" 記念"},
                                                         {"\"", "\""},
                                                         {"a, \"b\",c", "a， \"b\"，c"},
                                                         {"1,000円 \"税込\"", "1,000円 \"税込\""}};
    for (const auto& [typed, shown] : texts) {
        std::vector<std::string> lines;
        ReplaceAnniversary(lines, {}, {"2000", "", typed, std::nullopt}, 5, 3);
        ASSERT_EQ(lines.size(), 1u) << typed;
        EXPECT_EQ(SplitCommaText(lines[0]).size(), 7u) << lines[0];
        const Anniversary back = FindAnniversary(lines, 5, 3);
        EXPECT_EQ(back.text, shown) << lines[0];
        EXPECT_EQ(back.firstYear, "2000");
        // The calendar reads the line as the anniversary of that day.
        DayRules rules;
        ASSERT_TRUE(rules.setSpecialDayList(lines));
        EXPECT_EQ(rules.DayNames(2024, 5, 3).names.size(), 1u) << lines[0];
    }
    // Texts without those characters are written bare, as before.
    EXPECT_EQ(FormatAnniversaryRecord("", "", 5, 3, "a, b"), ",,5,3,,,a，　b");
    EXPECT_EQ(FormatAnniversaryRecord("", "", 5, 3, "\"祝\" 記念"), ",,5,3,,,\"\"\"祝\"\"　記念\"");
}

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

} // namespace
} // namespace rekko
