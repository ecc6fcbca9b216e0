// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule's records: day lines, period and anniversary records, period date checks and steps, the heading.
#include "schedule/Anniversary.h"
#include "schedule/DateFieldStep.h"
#include "schedule/DayLines.h"
#include "schedule/PeriodRecord.h"
#include "schedule/ScheduleDialogRules.h"

#include "base/CommaText.h"
#include "calendar/DayRules.h"
#include "calendar/Julius.h"

#include <gtest/gtest.h>

#include <tuple>

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
    const auto whole = [](const DaySchedule& day) { return std::pair(day.lines, day.attributes); };
    EXPECT_EQ(whole(LoadDay({" 0,0,9,2024/ 5"}, 9)), whole(scheduleOf({""})));
    // Five fields or fewer: the standard attribute.
    EXPECT_EQ(whole(LoadDay({" 9,1,,text,clRed"}, 9)), whole(scheduleOf({"text"})));
    EXPECT_EQ(LoadDay({" 9"}, 9).lines, (Lines{""}));
    // Four fields, as hand-made files have: the text stays when the day is written back.
    Lines month{" 9,1,,text"};
    WriteDay(month, 9, LoadDay(month, 9));
    EXPECT_EQ(month, (Lines{" 9,1,,text,,,,,,"}));
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
    const auto partsAndColour = [](const std::string& record) {
        const PeriodFields read = ReadPeriodRecord(record, clFuchsia);
        return std::tuple{read.startPart, read.endPart, read.colour};
    };
    EXPECT_EQ(partsAndColour("2024, 5, 3,X,2024, 5, 9,X,2024, 5, 6,3,D,t"),
              std::tuple(DayPart::Morning, DayPart::Evening, clFuchsia));
    EXPECT_EQ(partsAndColour("2024,5,3,E,2024,5,9,A,2024,5,6,3,$00123456,t"),
              std::tuple(DayPart::Evening, DayPart::Midday, TColor{0x123456}));
    const PeriodFields garbage = ReadPeriodRecord("abc", clRed);
    EXPECT_EQ(garbage.start, (PeriodDate{0, 0, 0}));
    EXPECT_EQ(FirstInvalidPeriodDate(garbage), "0000/00/00");
}

TEST(PeriodRecord, AReversedRecordReadsTheRightWayRound) {
    const PeriodFields period = ReadPeriodRecord("2024, 5, 9,A,2024, 5, 3,M,2024, 5, 6,1,clBlue,逆", clRed);
    EXPECT_EQ(std::tuple(period.start, period.startPart, period.end, period.endPart),
              std::tuple(PeriodDate{2024, 5, 3}, DayPart::Morning, PeriodDate{2024, 5, 9}, DayPart::Midday));
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
    // The day runs to 31 whatever the month.
    const std::tuple<PeriodDate, DateField, int, PeriodDate> cases[] = {
        {{2024, 12, 31}, DateField::Day, +1, {2025, 1, 1}},
        {{2024, 2, 31}, DateField::Day, +1, {2024, 3, 1}},
        {{0, 1, 1}, DateField::Month, -1, {0, 12, 1}},
        {{9999, 5, 5}, DateField::Year, +1, {9999, 5, 5}}};
    for (auto [date, field, step, after] : cases) {
        StepDateField(date, field, step);
        EXPECT_EQ(date, after) << after.year << "/" << after.month << "/" << after.day;
    }
}

TEST(Anniversary, FindsEditsAndDeletes) {
    std::vector<std::string> lines = {"12,24,Eve", "1990,,5,3,,,a，　b", "x,y,z,w,,,junk", ",,5,3,,,second"};
    const Anniversary found = FindAnniversary(lines, 5, 3);
    EXPECT_EQ(std::tuple(found.position, found.firstYear, found.lastYear, found.text),
              std::tuple(std::optional<size_t>(1), "1990", "", "a， b"));
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
        EXPECT_EQ(std::pair(back.text, back.firstYear), std::pair(std::string(shown), std::string("2000"))) << lines[0];
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
    EXPECT_EQ(WeekdayLineOf(EncodeJuliusDay(2000, 6, 4)).text, "（ 日曜日 ）");

    const auto colour = [](int day) { return WeekdayLineOf(EncodeJuliusDay(2000, 6, day)).colour; };

    EXPECT_EQ(std::tuple(colour(4), colour(10), colour(7)), std::tuple(clRed, clBlue, clWindowText));
}

TEST(ScheduleDialogRules, NamesStripSeparatesSpecialDaysByKind) {
    const DayNameList names{{"結婚記念日", "創立記念日", "こどもの日", "端午"}, "SSHS"};
    std::vector<std::pair<std::string, bool>> parts;
    for (const HeadingPart& part : HeadingParts(names))
        parts.emplace_back(part.text, part.special);
    EXPECT_EQ(parts, (std::vector<std::pair<std::string, bool>>{
                         {"結婚記念日，", true}, {"創立記念日 ", true}, {"こどもの日", false}, {"端午", true}}));
    EXPECT_TRUE(HeadingParts({}).empty());
}

} // namespace
} // namespace rekko
