// SPDX-License-Identifier: GPL-3.0-or-later
// The lane table: period bars, day lines, overflow, neighbouring tabs, unreadable and reversed lines, bar spans.
#include "controls/MonthGrid.h"
#include "controls/ScheduleLines.h"

#include "BookLines.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rekko {
namespace {

const auto jd = EncodeJuliusDay;

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
    LaneTable() : grid(jd(2001, 7, 10), book) {
        MonthGridOptions options;
        options.ItemGyo = 5;
        grid.setOptions(options);
        grid.setCurrentTab(1);
    }

    int cellOf(int32_t y, int m, int d) const { return jd(y, m, d) - grid.firstVisibleDay(); }
    Lane lane(int32_t y, int m, int d, int n) const { return grid.cellLanes(cellOf(y, m, d))[static_cast<size_t>(n)]; }
    void month(int list, int32_t y, int m, std::vector<std::string> lines) {
        lines.insert(lines.begin(), " 0,0,9,2001/ 7");
        test::LoadMonth(book, list, y, m, lines);
    }
    void loadPeriods(const std::vector<std::string>& lines) { book.loadPeriods(test::ReadLines(lines)); }

    ScheduleBook book;
    MonthGrid grid;
};

TEST_F(LaneTable, DayLinesSitAtTheBottomAndOverflowIntoTheLastLane) {
    month(1, 2001, 7,
          {dayLine(3, "one"), dayLine(4, "a"), dayLine(4, "b"), dayLine(4, "c"), dayLine(4, "d"), dayLine(4, "e"),
           dayLine(4, "f")});
    grid.layout();
    EXPECT_EQ(grid.cellLanes(cellOf(2001, 7, 3)), (CellLanes{{{}, {}, {}, {}, {'1', 1}, {}}}));
    EXPECT_FALSE(grid.overflows(cellOf(2001, 7, 3)));
    EXPECT_EQ(grid.cellLanes(cellOf(2001, 7, 4)),
              (CellLanes{{{'1', 2}, {'1', 3}, {'1', 4}, {'1', 5}, {'1', 6}, {'1', 7}}}));
    EXPECT_TRUE(grid.overflows(cellOf(2001, 7, 4)));
    EXPECT_EQ(grid.cellTexts(cellOf(2001, 7, 4)).lines, (std::array<std::string, 5>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(grid.dayLine(lane(2001, 7, 4, 0)).line.text, "a");
}

TEST_F(LaneTable, NamesHoldingQuotesAreDrawnAsTheirNames) {
    ASSERT_TRUE(grid.rules().setSpecialDayList({",,7,4,,,\"\"\"祝\"\"　記念\"", "7,4,独立", ",,7,5,,,\"a\"\"b\""}));
    grid.layout();
    EXPECT_EQ(grid.cellLines(cellOf(2001, 7, 4)).front(), "\"祝\" 記念,独立");
    EXPECT_EQ(grid.cellLines(cellOf(2001, 7, 5)).front(), "a\"b");
}

TEST_F(LaneTable, OverlappingPeriodsTakeTheFirstFreeLaneInListOrder) {
    loadPeriods({"***** FromTo予定", period("2001, 7, 3", "2001, 7, 5"), period("2001, 7, 4", "2001, 7, 6"),
                 period("2001, 7, 5", "2001, 7, 7"), period("2001, 7, 6", "2001, 7, 8"),
                 period("2001, 6, 1", "2001, 6,25")});
    month(1, 2001, 7, {dayLine(5, "x"), dayLine(5, "y"), dayLine(5, "z"), dayLine(9, "w")});
    grid.layout();
    // The fourth period finds lane 0 free again from the 6th on, as the first ends on the 5th. Three day lines would
    // start at lane 2, which a bar holds: they go to 3, 4 and the overflow lane. Only the visible part of a period
    // counts: June 25 shows the bar that began on June 1.
    const std::tuple<int, int, int> at[] = {{7, 3, 0}, {7, 4, 1}, {7, 5, 2}, {7, 8, 0},  {7, 6, 0}, {7, 6, 2},
                                            {7, 5, 3}, {7, 5, 5}, {7, 9, 4}, {6, 25, 0}, {6, 26, 0}};
    std::vector<Lane> found;
    for (const auto& [m, d, n] : at)
        found.push_back(lane(2001, m, d, n));
    const std::vector<Lane> expected = {{'F', 1}, {'F', 2}, {'F', 3}, {'F', 4}, {'F', 4}, {'F', 3},
                                        {'1', 1}, {'1', 3}, {'1', 4}, {'F', 5}, {}};
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(grid.overflows(cellOf(2001, 7, 5)));
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
    const auto bottomLine = [this](int32_t y, int m, int d) {
        const auto line = grid.dayLine(lane(y, m, d, 4));
        return std::pair{line.line.text, line.neighbourList};
    };
    EXPECT_EQ(bottomLine(2024, 12, 29), std::pair(std::string("dec"), true));
    EXPECT_EQ(bottomLine(2025, 1, 29), std::pair(std::string("jan"), false));
    EXPECT_EQ(bottomLine(2025, 2, 1), std::pair(std::string("feb"), true));
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
    loadPeriods(periods);
    month(1, 2001, 7, {"garbage", "x,1,,text", dayLine(20, "kept")});
    grid.layout();
    EXPECT_EQ(book.periods().size(), periods.size());
    EXPECT_EQ(lane(2001, 7, 3, 0), (Lane{'F', 6}));
    EXPECT_FALSE(grid.periodBar(lane(2001, 7, 3, 0))->colour.has_value());
    EXPECT_EQ(grid.periodBar(lane(2001, 7, 3, 1))->title.size(), 500u);
    EXPECT_TRUE(lane(2001, 7, 3, 2).empty());
    EXPECT_EQ(lane(2001, 7, 20, 4), (Lane{'1', 3}));
    EXPECT_EQ(book.lines(1).size(), 4u);
}

TEST_F(LaneTable, APeriodWrittenEndFirstIsDrawnAndHitAsIfItsEndsWereSwapped) {
    const std::string reversed = "2001, 7, 9,E,2001, 7, 3,M,2001, 7, 5,2,clBlue,逆";
    loadPeriods({"***** FromTo予定", reversed});
    grid.layout();
    for (int day = 3; day <= 9; ++day)
        EXPECT_EQ(lane(2001, 7, day, 0), (Lane{'F', 1})) << day;
    EXPECT_TRUE(lane(2001, 7, 2, 0).empty());
    EXPECT_TRUE(lane(2001, 7, 10, 0).empty());
    // A press on the bar finds the period, so it can be selected and deleted; the line keeps its bytes.
    grid.setClientSize(700, 600);
    const int cell = cellOf(2001, 7, 5);
    const GridRect rect = grid.geometry().cellRect(cell % 7, cell / 7 + 1);
    EXPECT_EQ(grid.laneAt(grid.hitTest(rect.left + 20, rect.top + grid.cellMetrics().barY(0))), (Lane{'F', 1}));
    EXPECT_EQ(book.periods()[1], reversed);

    // A period from before the shown weeks to after them runs through every cell.
    book.addPeriod("2001, 9, 1,E,2001, 5, 1,M,2001, 7, 5,1,clRed,長期");
    grid.layout();
    for (const int corner : {0, kGridCells - 1})
        EXPECT_EQ(grid.cellLanes(corner)[1], (Lane{'F', 2})) << corner;
    ASSERT_NE(grid.periodBar(grid.cellLanes(0)[1]), nullptr);
    EXPECT_EQ(grid.periodBar(grid.cellLanes(0)[1])->start, jd(2001, 5, 1));
    EXPECT_EQ(grid.periodBar(grid.cellLanes(0)[1])->title, "長期");
}

// Where a bar runs within a cell follows the parts of day it starts and ends in.
TEST(PeriodBarSpan, StaysInsideTheCell) {
    const PeriodBar bar = *ReadPeriodBar("2024, 5, 3,M,2024, 5, 5,E");
    const int32_t third = EncodeJuliusDay(2024, 5, 3);
    const GridRect cell{120, 50, 240, 146};
    const auto span = [](const BarSpan& s) { return std::tuple{s.x0, s.x1, s.startTick, s.endTick}; };
    EXPECT_EQ(span(PeriodBarSpan(bar, third, cell)), std::tuple(125, 240, true, false));
    EXPECT_EQ(PeriodBarSpan(bar, third + 2, cell).x1, 235);
    const BarSpan midday = PeriodBarSpan(*ReadPeriodBar("2024, 5, 3,A,2024, 5, 3,A"), third, cell);
    EXPECT_EQ(std::pair(midday.x0, midday.x1), std::pair(170, 190));
    // In a narrow cell a bar from the evening to the next morning keeps within the cell.
    const PeriodBar late = *ReadPeriodBar("2024, 5, 3,E,2024, 5, 3,M");
    const BarSpan narrow = PeriodBarSpan(late, third, GridRect{0, 0, 80, 90});
    EXPECT_TRUE(narrow.x0 <= narrow.x1 && narrow.x1 <= 80) << narrow.x0 << " " << narrow.x1;
}

} // namespace
} // namespace rekko
