// Period records, the dialog's date checks and stepping, and anniversary records.
#include "schedule/Anniversary.h"
#include "schedule/DateFieldStep.h"
#include "schedule/PeriodRecord.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(PeriodRecord, WritesTheFourteenFieldsAndReadsThemBack) {
    PeriodFields period;
    period.start = {2024, 5, 3};
    period.startPart = DayPart::Morning;
    period.end = {2024, 5, 9};
    period.endPart = DayPart::Evening;
    period.label = {2024, 5, 6};
    period.thickness = 2;
    period.colour = clBlue;
    period.text = "研修, 1,000";
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
    EXPECT_EQ(ReadPeriodRecord("2024,5,3,A,2024,5,9,M,2024,5,6,3,notacolour,t", clFuchsia).colour, clFuchsia);
    const PeriodFields parts = ReadPeriodRecord("2024,5,3,E,2024,5,9,A,2024,5,6,3,$00123456,t", clFuchsia);
    EXPECT_EQ(parts.startPart, DayPart::Evening);
    EXPECT_EQ(parts.endPart, DayPart::Midday);
    EXPECT_EQ(parts.colour, 0x123456u);
    const PeriodFields garbage = ReadPeriodRecord("abc", clRed);
    EXPECT_EQ(garbage.start, (PeriodDate{0, 0, 0}));
    EXPECT_EQ(FirstInvalidPeriodDate(garbage), "0000/00/00");
}

TEST(PeriodRecord, NewPeriodsAndTheDateChecks) {
    const int32_t start = EncodeJuliusDay(2024, 5, 3), end = EncodeJuliusDay(2024, 5, 6);
    PeriodFields period = NewPeriod(start, 2, end, 1, 3, clGreen);
    EXPECT_EQ(period.label, (PeriodDate{2024, 5, 4}));
    EXPECT_EQ(period.startPart, DayPart::Midday);
    EXPECT_EQ(period.endPart, DayPart::Morning);
    EXPECT_EQ(NewPeriod(start, 0, end, 0, 1, clBlue).endPart, DayPart::Evening);
    EXPECT_FALSE(FirstInvalidPeriodDate(period));
    period.end = {2024, 2, 30};
    EXPECT_EQ(FirstInvalidPeriodDate(period), "2024/02/30");
    period.end = {1582, 10, 10};
    EXPECT_EQ(FirstInvalidPeriodDate(period), "1582/10/10");
}

TEST(PeriodRecord, LabelOutsideThePeriodMovesToTheMiddleDay) {
    PeriodFields period = NewPeriod(EncodeJuliusDay(2024, 5, 3), 1, EncodeJuliusDay(2024, 5, 9), 3, 1, clBlue);
    period.label = {2024, 5, 9};
    KeepLabelInsidePeriod(period);
    EXPECT_EQ(period.label, (PeriodDate{2024, 5, 9}));
    period.label = {2024, 6, 1};
    KeepLabelInsidePeriod(period);
    EXPECT_EQ(period.label, (PeriodDate{2024, 5, 6}));
}

TEST(DateFieldStep, WrapsAndCarries) {
    PeriodDate date{2024, 12, 31};
    StepDateField(date, DateField::Day, +1);
    EXPECT_EQ(date, (PeriodDate{2025, 1, 1}));
    StepDateField(date, DateField::Day, -1);
    EXPECT_EQ(date, (PeriodDate{2024, 12, 31}));
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
    EXPECT_EQ(lines, (std::vector<std::string>{"12,24,Eve", "x,y,z,w,,,junk", ",,5,3,,,second",
                                               "1990,,5,3,,,a，　b"}));
    edited.text = "  　 ";
    ReplaceAnniversary(lines, FindAnniversary(lines, 5, 3), edited, 5, 3);
    EXPECT_EQ(lines.size(), 3u);
    EXPECT_EQ(FindAnniversary(lines, 5, 3).text, "a， b");
}

} // namespace
} // namespace rekko
