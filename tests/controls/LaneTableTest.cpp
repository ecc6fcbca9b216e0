// SPDX-License-Identifier: GPL-3.0-or-later
// The lane table: period bars by list order, day lines from the bottom lanes, the overflow lane, the month lists of
// neighbouring tabs, and lines the grid cannot read.
#include "controls/MonthGrid.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

int32_t jd(int32_t y, int m, int d) {
    return EncodeJuliusDay(y, m, d);
}

std::string dayLine(int day, const std::string& text, const std::string& colour = "") {
    return (day < 10 ? " " : "") + std::to_string(day) + ",1,," + text + "," + colour + ",,,,,";
}

std::string period(const std::string& from, const std::string& to, const std::string& colour = "clBlue",
                   const std::string& title = "研修") {
    return from + ",M," + to + ",E,2001, 7, 4,1," + colour + "," + title;
}

// July 2001 on tab 1 with five lanes; the grid starts on Sunday 2001-06-24.
class LaneTable : public ::testing::Test {
protected:
    LaneTable() : grid(jd(2001, 7, 10)) {
        MonthGridOptions options;
        options.ItemGyo = 5;
        grid.setOptions(options);
        grid.setCurrentTab(1);
    }

    int cellOf(int32_t y, int m, int d) const { return jd(y, m, d) - grid.firstVisibleDay(); }
    Lane lane(int32_t y, int m, int d, int n) const { return grid.cellLanes(cellOf(y, m, d))[static_cast<size_t>(n)]; }
    void month(int list, int32_t y, int m, std::vector<std::string> lines) {
        lines.insert(lines.begin(), " 0,0,9,2001/ 7");
        grid.setMonthList(list, y, m, std::move(lines));
    }

    MonthGrid grid;
};

TEST_F(LaneTable, DayLinesSitAtTheBottomAndOverflowIntoTheLastLane) {
    month(1, 2001, 7,
          {dayLine(3, "one"), dayLine(4, "a"), dayLine(4, "b"), dayLine(4, "c"), dayLine(4, "d"), dayLine(4, "e"),
           dayLine(4, "f")});
    grid.layout();
    EXPECT_EQ(lane(2001, 7, 3, 4), (Lane{'1', 1}));
    for (int n = 0; n < 4; ++n)
        EXPECT_TRUE(lane(2001, 7, 3, n).empty());
    EXPECT_FALSE(grid.overflows(cellOf(2001, 7, 3)));
    for (int n = 0; n <= 5; ++n)
        EXPECT_EQ(lane(2001, 7, 4, n), (Lane{'1', 2 + n})) << n;
    EXPECT_TRUE(grid.overflows(cellOf(2001, 7, 4)));
    EXPECT_EQ(grid.cellTexts(cellOf(2001, 7, 4)).lines, (std::array<std::string, 5>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(grid.dayLine(lane(2001, 7, 4, 0)).line.text, "a");

    // With three lanes a day's few lines still show, at the bottom of the visible lanes.
    MonthGridOptions compact = grid.options();
    compact.ItemGyo = 3;
    grid.setOptions(compact);
    grid.layout();
    EXPECT_EQ(lane(2001, 7, 3, 2), (Lane{'1', 1}));
    EXPECT_EQ(lane(2001, 7, 4, 3), (Lane{'1', 5}));
    EXPECT_TRUE(grid.overflows(cellOf(2001, 7, 4)));
    EXPECT_EQ(grid.cellTexts(cellOf(2001, 7, 4)).lines, (std::array<std::string, 5>{"a", "b", "c", "", ""}));
}

TEST_F(LaneTable, OverlappingPeriodsTakeTheFirstFreeLaneInListOrder) {
    grid.setPeriodList({"***** FromTo予定", period("2001, 7, 3", "2001, 7, 5"), period("2001, 7, 4", "2001, 7, 6"),
                        period("2001, 7, 5", "2001, 7, 7"), period("2001, 7, 6", "2001, 7, 8"),
                        period("2001, 6, 1", "2001, 6,25")});
    month(1, 2001, 7, {dayLine(5, "x"), dayLine(5, "y"), dayLine(5, "z"), dayLine(9, "w")});
    grid.layout();
    EXPECT_EQ(lane(2001, 7, 3, 0), (Lane{'F', 1}));
    EXPECT_EQ(lane(2001, 7, 4, 1), (Lane{'F', 2}));
    EXPECT_EQ(lane(2001, 7, 5, 2), (Lane{'F', 3}));
    // The fourth period finds lane 0 free again from the 6th on, as the first ends on the 5th.
    EXPECT_EQ(lane(2001, 7, 8, 0), (Lane{'F', 4}));
    EXPECT_EQ(lane(2001, 7, 6, 0), (Lane{'F', 4}));
    EXPECT_EQ(lane(2001, 7, 6, 2), (Lane{'F', 3}));
    // Three day lines would start at lane 2, which a bar holds: they go to 3, 4 and the overflow lane.
    EXPECT_EQ(lane(2001, 7, 5, 3), (Lane{'1', 1}));
    EXPECT_EQ(lane(2001, 7, 5, 5), (Lane{'1', 3}));
    EXPECT_TRUE(grid.overflows(cellOf(2001, 7, 5)));
    EXPECT_EQ(lane(2001, 7, 9, 4), (Lane{'1', 4}));
    // Only the visible part of a period counts: June 24 and 25 show the bar that began on June 1.
    EXPECT_EQ(lane(2001, 6, 24, 0), (Lane{'F', 5}));
    EXPECT_EQ(lane(2001, 6, 25, 0), (Lane{'F', 5}));
    EXPECT_TRUE(lane(2001, 6, 26, 0).empty());
    // Bars never reach the exports' texts.
    EXPECT_EQ(grid.cellTexts(cellOf(2001, 7, 5)).lines, (std::array<std::string, 5>{"", "", "", "x", "y"}));
}

TEST_F(LaneTable, NeighbouringMonthsReadTheNeighbouringTabsAcrossTheYear) {
    ASSERT_TRUE(grid.setJuliusDay(jd(2025, 1, 15)));
    month(0, 2024, 12, {dayLine(29, "dec")});
    month(1, 2025, 1, {dayLine(29, "jan")});
    month(2, 2025, 2, {dayLine(1, "feb")});
    grid.layout();
    EXPECT_EQ(grid.firstVisibleDay(), jd(2024, 12, 29));
    EXPECT_EQ(grid.dayLine(lane(2024, 12, 29, 4)).line.text, "dec");
    EXPECT_TRUE(grid.dayLine(lane(2024, 12, 29, 4)).neighbourList);
    EXPECT_EQ(grid.dayLine(lane(2025, 1, 29, 4)).line.text, "jan");
    EXPECT_FALSE(grid.dayLine(lane(2025, 1, 29, 4)).neighbourList);
    EXPECT_EQ(grid.dayLine(lane(2025, 2, 1, 4)).line.text, "feb");
    // A list of the same month number in another year is not the neighbour.
    month(0, 2023, 12, {dayLine(29, "old")});
    grid.layout();
    EXPECT_TRUE(lane(2024, 12, 29, 4).empty());
    // The last month tab has no later tab: the jumped month's list (5) is not read for the next month.
    ASSERT_TRUE(grid.setJuliusDay(jd(2025, 4, 15)));
    month(4, 2025, 4, {dayLine(1, "apr")});
    month(5, 2025, 5, {dayLine(1, "may")});
    grid.setCurrentTab(4);
    grid.layout();
    EXPECT_EQ(grid.dayLine(lane(2025, 4, 1, 4)).line.text, "apr");
    EXPECT_TRUE(lane(2025, 5, 1, 4).empty());
}

TEST_F(LaneTable, UnreadableLinesAreSkippedButKept) {
    std::vector<std::string> periods = {"***** FromTo予定",
                                        "2001, 7, 3,M",                                   // too few fields
                                        "2001,x7, 3,M,2001, 7, 5,E",                      // not a number
                                        period("1582,10, 5", "1582,10,20"),               // in the reform gap
                                        period("2001, 2,30", "2001, 7, 3"),               // no such date
                                        period("2001, 7, 3", "2001, 7, 3", "D"),          // hidden
                                        period("2001, 7, 3", "2001, 7, 3", "notacolour"), // drawn, lane colour
                                        period("2001, 7, 3", "2001, 7, 3", "clRed", std::string(500, 'x'))};
    std::vector<std::string> all = periods;
    all.resize(periods.size() + 10000, period("2001, 7,10", "2001, 7,12"));
    grid.setPeriodList(all);
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i)
        lines.push_back(dayLine(20, "line " + std::to_string(i)));
    lines.push_back("garbage");
    lines.push_back("x,1,,text");
    month(1, 2001, 7, lines);
    grid.layout();
    EXPECT_EQ(grid.periodList().size(), periods.size() + 10000);
    EXPECT_EQ(lane(2001, 7, 3, 0), (Lane{'F', 6}));
    EXPECT_FALSE(grid.periodBar(lane(2001, 7, 3, 0))->colour.has_value());
    EXPECT_EQ(grid.periodBar(lane(2001, 7, 3, 1))->title.size(), 500u);
    EXPECT_TRUE(lane(2001, 7, 3, 2).empty());
    // Six of the ten thousand periods find a lane, the sixth the overflow lane.
    EXPECT_EQ(lane(2001, 7, 11, 5), (Lane{'F', static_cast<int32_t>(periods.size()) + 5}));
    EXPECT_TRUE(grid.overflows(cellOf(2001, 7, 11)));
    EXPECT_EQ(lane(2001, 7, 20, 0), (Lane{'1', 1}));
    EXPECT_EQ(lane(2001, 7, 20, 5), (Lane{'1', 6}));
    EXPECT_EQ(grid.monthList(1).lines.size(), 203u);
}

TEST_F(LaneTable, APeriodWrittenEndFirstIsDrawnAndHitAsIfItsEndsWereSwapped) {
    const std::string reversed = "2001, 7, 9,E,2001, 7, 3,M,2001, 7, 5,2,clBlue,逆";
    grid.setPeriodList({"***** FromTo予定", reversed});
    grid.layout();
    for (int day = 3; day <= 9; ++day)
        EXPECT_EQ(lane(2001, 7, day, 0), (Lane{'F', 1})) << day;
    EXPECT_TRUE(lane(2001, 7, 2, 0).empty());
    EXPECT_TRUE(lane(2001, 7, 10, 0).empty());
    const PeriodBar* bar = grid.periodBar(lane(2001, 7, 5, 0));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->start, jd(2001, 7, 3));
    EXPECT_EQ(bar->end, jd(2001, 7, 9));
    EXPECT_EQ(bar->startPart, DayPart::Morning);
    EXPECT_EQ(bar->endPart, DayPart::Evening);
    EXPECT_EQ(bar->title, "逆");
    // A press on the bar finds the period, so it can be selected and deleted; the line keeps its bytes.
    grid.setClientSize(700, 600);
    const int cell = cellOf(2001, 7, 5);
    const GridRect rect = grid.geometry().cellRect(cell % 7, cell / 7 + 1);
    EXPECT_EQ(grid.laneAt(grid.hitTest(rect.left + 20, rect.top + grid.cellMetrics().barY(0))), (Lane{'F', 1}));
    EXPECT_EQ(grid.periodList()[1], reversed);

    // A period from before the shown weeks to after them runs through every cell.
    grid.editPeriodList(
        [](std::vector<std::string>& lines) { lines.push_back("2001, 9, 1,E,2001, 5, 1,M,2001, 7, 5,1,clRed,長期"); });
    grid.layout();
    for (const int corner : {0, kGridCells - 1})
        EXPECT_EQ(grid.cellLanes(corner)[1], (Lane{'F', 2})) << corner;
    ASSERT_NE(grid.periodBar(grid.cellLanes(0)[1]), nullptr);
    EXPECT_EQ(grid.periodBar(grid.cellLanes(0)[1])->start, jd(2001, 5, 1));
    EXPECT_EQ(grid.periodBar(grid.cellLanes(0)[1])->title, "長期");
}

} // namespace
} // namespace rekko
