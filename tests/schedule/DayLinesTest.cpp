// SPDX-License-Identifier: GPL-3.0-or-later
// One day's lines in and out of a month line list: records, the comma rule, carried fields, list order.
#include "schedule/DayLines.h"

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

TEST(DayLines, UnchangedLinesWriteBackTheSameBytes) {
    // Carried fields and colours this program cannot read must survive a load and write of the day.
    const Lines month = {" 0,0,9,2024/ 5", " 3,1,,朝礼,clRed,1,9:05:00,2,1001,", " 3,2,,x,notacolour,,,,,",
                         " 3,3,,y,1,,,,,"};
    const DaySchedule day = LoadDay(month, 3);
    Lines written = {month[0]};
    WriteDay(written, 3, day);
    EXPECT_EQ(written[1], month[1]);
    EXPECT_EQ(written[2], month[2]);
    EXPECT_EQ(written[3], " 3,3,,y,,,,,,"); // "1" is the standard colour and is written as empty
    EXPECT_EQ(day.attributes[1].colour, clWindowText);
    EXPECT_EQ(day.attributes[0].numberValue(), 1001);
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

} // namespace
} // namespace rekko
