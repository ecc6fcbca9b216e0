// SPDX-License-Identifier: GPL-3.0-or-later
// Reading month-list and period lines for the grid, and where a period bar runs within a cell.
#include "controls/ScheduleLines.h"
#include "controls/MonthGrid.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(ScheduleLines, DrawnColourOnlyFromALongEnoughLine) {
    EXPECT_EQ(ReadDayLine(" 3,1,,会議,clRed,,,,,").attribute.ownColour(), clRed);
    EXPECT_EQ(ReadDayLine(" 3,1,,会議,clRed,,,,,").text, "会議");
    EXPECT_EQ(ReadDayLine(" 3,1,,会議,1,,,,,").attribute.ownColour(), std::nullopt);
    EXPECT_EQ(ReadDayLine(" 3,1,,会議,pink,,,,,").attribute.ownColour(), std::nullopt);
    // Five fields or fewer: field 4 is not read.
    EXPECT_EQ(ReadDayLine(" 3,1,,会議,clRed").attribute.ownColour(), std::nullopt);
    EXPECT_EQ(ReadDayLine(" 3,1").text, "");
}

TEST(ScheduleLines, PeriodBarFields) {
    const auto bar = ReadPeriodBar("2024, 5, 3,A,2024, 5, 9,M,2024, 5, 6,2,clBlue,研修");
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->startPart, DayPart::Midday);
    EXPECT_EQ(bar->titleDay, 6);
    EXPECT_EQ(bar->penWidth, 2);
    // Seven fields are enough; any other part text is the last third of the day.
    const auto shortest = ReadPeriodBar("2024, 5, 3,X,2024, 5, 3,");
    ASSERT_TRUE(shortest);
    EXPECT_EQ(shortest->startPart, DayPart::Evening);
    EXPECT_EQ(shortest->penWidth, 1);
    EXPECT_EQ(shortest->titleMonth, 0);
    EXPECT_EQ(ReadPeriodBar("2024, 5, 3,M,2024, 5, 9,E,2024, 5, 6,7,clBlue,a")->penWidth, 1);
    EXPECT_FALSE(ReadPeriodBar("2024, 5, 3,M,2024, 5, 9,E,2024, 5, 6,1,D,a"));
    EXPECT_FALSE(ReadPeriodBar("2024, 5, 3,M,2024, 5"));
    EXPECT_FALSE(ReadPeriodBar("1582,10, 4,M,1582,10,10,E"));
    EXPECT_FALSE(ReadPeriodBar("2024,13, 3,M,2024,13, 9,E"));
}

TEST(ScheduleLines, BarSpansByPartOfDayStayInsideTheCell) {
    const PeriodBar bar = *ReadPeriodBar("2024, 5, 3,M,2024, 5, 5,E");
    const int32_t third = EncodeJuliusDay(2024, 5, 3);
    const GridRect cell{120, 50, 240, 146};
    const BarSpan start = PeriodBarSpan(bar, third, cell);
    EXPECT_EQ(start.x0, 125);
    EXPECT_EQ(start.x1, 240);
    EXPECT_TRUE(start.startTick);
    EXPECT_FALSE(start.endTick);
    EXPECT_EQ(PeriodBarSpan(bar, third + 2, cell).x1, 235);
    const PeriodBar midday = *ReadPeriodBar("2024, 5, 3,A,2024, 5, 3,A");
    EXPECT_EQ(PeriodBarSpan(midday, third, cell).x0, 170);
    EXPECT_EQ(PeriodBarSpan(midday, third, cell).x1, 190);
    // In a narrow cell a bar from the evening to the next morning keeps within the cell.
    const PeriodBar late = *ReadPeriodBar("2024, 5, 3,E,2024, 5, 3,M");
    const BarSpan narrow = PeriodBarSpan(late, third, GridRect{0, 0, 80, 90});
    EXPECT_LE(narrow.x0, 80);
    EXPECT_GE(narrow.x1, narrow.x0);
    EXPECT_LE(narrow.x1, 80);
}

} // namespace
} // namespace rekko
