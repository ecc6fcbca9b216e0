// SPDX-License-Identifier: GPL-3.0-or-later
// The month steps of the calendar base, which lower the day to the month's last; the grid's mouse-press rule and
// state fields, the lane under a hit line and cell marks.
#include "controls/MonthGrid.h"
#include "calendar/Julius.h"
#include "controls/CustomCalendar.h"

#include "BookLines.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <tuple>

namespace rekko {
namespace {

const auto jd = EncodeJuliusDay;

TEST(CustomCalendar, MonthStepsLowerTheDayToTheMonthsLast) {
    CustomCalendar calendar(jd(2001, 1, 31));
    EXPECT_TRUE(calendar.nextMonth());
    EXPECT_EQ(calendar.JuliusDay(), jd(2001, 2, 28));
    calendar.setJuliusDay(jd(2000, 3, 31));
    calendar.previousMonth();
    EXPECT_EQ(calendar.JuliusDay(), jd(2000, 2, 29));
    calendar.goToYearMonth(2001, 0, 31);
    EXPECT_EQ(calendar.JuliusDay(), jd(2000, 12, 31));
    calendar.goToYearMonth(2001, 9, 31);
    EXPECT_EQ(calendar.JuliusDay(), jd(2001, 9, 30));
    // Across the reform: 1582-11-14 back one month is a day of the gap.
    calendar.setJuliusDay(jd(1582, 11, 14));
    EXPECT_THROW(calendar.previousMonth(), EJuliusError);
}

// July 2001 in an 840 x 700 client with the main window's settings; the grid starts on Sunday 2001-06-24.
class GridPress : public ::testing::Test {
protected:
    GridPress() : grid(jd(2001, 7, 10), book) {
        MonthGridOptions options;
        options.ItemGyo = 5;
        options.SelfSize = true;
        options.NeighborJump = true;
        grid.setOptions(options);
        grid.setClientSize(840, 700);
        grid.setCurrentTab(1);
        grid.layout();
    }

    // Presses the middle of the cell of a date, in the day-number band.
    bool press(MouseButton button, int32_t y, int m, int d) {
        grid.layout();
        const int cell = jd(y, m, d) - grid.firstVisibleDay();
        const GridRect rect = grid.geometry().cellRect(cell % 7, cell / 7 + 1);
        const GridHit hit = grid.beginPress((rect.left + rect.right) / 2, rect.top + 10);
        return grid.finishPress(button, hit);
    }
    // The date, the tab, the pressed day and the press flags.
    auto pressState() const {
        const GridState& s = grid.state();
        return std::tuple{grid.JuliusDay(), grid.currentTab(), s.pressedDay,
                          s.pressedInMonth, s.jumped,          s.jumpedBackward};
    }

    ScheduleBook book;
    MonthGrid grid;
};

// A press on the header records the day above the first row and moves nothing; a right click on a neighbouring
// month's day never moves the date, nor a left one without NeighborJump.
TEST_F(GridPress, HeaderPressesAndRightClicksOnANeighbouringMonthNeverMoveTheDate) {
    EXPECT_FALSE(grid.finishPress(MouseButton::Left, grid.beginPress(130, 5)));
    EXPECT_EQ(pressState(), std::tuple(jd(2001, 7, 10), 1, jd(2001, 6, 18), false, false, false));
    EXPECT_FALSE(press(MouseButton::Right, 2001, 6, 25));
    EXPECT_EQ(pressState(), std::tuple(jd(2001, 7, 10), 1, jd(2001, 6, 25), false, false, false));
    MonthGridOptions noJump = grid.options();
    noJump.NeighborJump = false;
    grid.setOptions(noJump);
    EXPECT_FALSE(press(MouseButton::Left, 2001, 6, 25));
    EXPECT_EQ(grid.JuliusDay(), jd(2001, 7, 10));
}

TEST_F(GridPress, NeighbourJumpsMoveTheTabOrMarkTheRange) {
    // 2001-06-25 lies in week row 1 of July: backward.
    EXPECT_TRUE(press(MouseButton::Left, 2001, 6, 25));
    EXPECT_EQ(pressState(), std::tuple(jd(2001, 6, 25), 0, jd(2001, 6, 25), false, true, true));
    // 2001-07-06 lies in week row 6 of June (which starts on 2001-05-27): forward.
    EXPECT_TRUE(press(MouseButton::Left, 2001, 7, 6));
    EXPECT_EQ(pressState(), std::tuple(jd(2001, 7, 6), 1, jd(2001, 7, 6), false, true, false));
    // Beyond the first tab, the last tab and the jumped month the tab stays and the range flag is set.
    const std::tuple<int, int, int> beyond[] = {{0, 6, 25}, {4, 8, 2}, {5, 8, 2}, {5, 6, 25}};
    for (const auto& [tab, month, day] : beyond) {
        grid.state() = {};
        grid.setJuliusDay(jd(2001, 7, 10));
        grid.setCurrentTab(tab);
        EXPECT_TRUE(press(MouseButton::Left, 2001, month, day));
        EXPECT_TRUE(grid.state().tabRangeExceeded) << tab;
        EXPECT_EQ(grid.currentTab(), tab);
        // Once the range is exceeded, a further jump the same way leaves the tab alone.
        grid.setJuliusDay(jd(2001, 7, 10));
        press(MouseButton::Left, 2001, month, day);
        EXPECT_EQ(grid.currentTab(), tab);
    }
}

TEST_F(GridPress, TheLaneUnderAHitLine) {
    book.loadPeriods(test::ReadLines({"***** FromTo予定", "2001, 7, 3,M,2001, 7, 5,E,2001, 7, 4,1,clBlue,a"}));
    // A day line of four fields, as hand-made files have, on the month's last day.
    test::LoadMonth(book, 1, 2001, 7, {" 0,0,9,2001/ 7", "31,1,,b"});
    grid.layout();
    const auto at = [this](int d, int band) {
        const int cell = jd(2001, 7, d) - grid.firstVisibleDay();
        const GridRect rect = grid.geometry().cellRect(cell % 7, cell / 7 + 1);
        return grid.laneAt(grid.hitTest(rect.left + 60, rect.top + band));
    };
    EXPECT_EQ(at(4, 24 + 3), (Lane{'F', 1}));
    EXPECT_EQ(at(31, 24 + 14 * 4 + 3), (Lane{'1', 1}));
    EXPECT_EQ(grid.dayLine(at(31, 24 + 14 * 4 + 3)).line.text, "b");
    EXPECT_TRUE(at(31, 24 + 14 * 3 + 3).empty());
    EXPECT_TRUE(at(4, 10).empty());
    EXPECT_TRUE(grid.laneAt(grid.hitTest(300, 5)).empty());
    // Below the last shown lane lies the overflow lane, which is never shown.
    MonthGridOptions three = grid.options();
    three.ItemGyo = 3;
    grid.setOptions(three);
    grid.layout();
    EXPECT_EQ(at(31, 24 + 14 * 2 + 3), (Lane{'1', 1}));
    EXPECT_TRUE(at(31, 24 + 14 * 3 + 3).empty());
}

// Rows too low for all lanes keep the lanes that fit: the day's first lines move up into them, the next goes to the
// overflow lane, and the cell says so; at full height every lane is back.
TEST_F(GridPress, LowRowsHoldFewerLanes) {
    test::LoadMonth(book, 1, 2001, 7, {" 0,0,9,2001/ 7", "20,1,,a,,,,,,", "20,2,,b,,,,,,", "20,3,,c,,,,,,"});
    grid.layout();
    const int cell = jd(2001, 7, 20) - grid.firstVisibleDay();
    const CellMetrics metrics = grid.cellMetrics();
    const auto lanesAt = [&](int pitch) {
        grid.setClientSize(840, GridGeometry::HeightForPitch(pitch, grid.rowCount(), true));
        EXPECT_EQ(grid.geometry().rowPitch(), pitch);
        std::string texts;
        for (const Lane& lane : grid.cellLanes(cell))
            texts += lane.empty() ? "." : grid.dayLine(lane).line.text;
        return std::tuple{grid.lanes(), texts, grid.overflows(cell)};
    };
    EXPECT_EQ(lanesAt(metrics.pitchFor(5)), std::tuple(5, "..abc.", false));
    EXPECT_EQ(lanesAt(metrics.pitchFor(2) + metrics.lineStep - 1), std::tuple(2, "abc...", true));
    EXPECT_EQ(lanesAt(metrics.pitchFor(1) - 1), std::tuple(1, "ab....", true));
    EXPECT_EQ(lanesAt(metrics.pitchFor(5)), std::tuple(5, "..abc.", false));
}

// Today, selection and pressed marks are checked in the widget's pixels.
TEST_F(GridPress, ARangeDraggedBackwardsMarksOnlyItsFirstDay) {
    const auto cell = [this](int d) { return jd(2001, 7, d) - grid.firstVisibleDay(); };
    grid.state().selectionFirst = jd(2001, 7, 9);
    grid.state().selectionLast = jd(2001, 7, 5);
    EXPECT_EQ(grid.cellMark(cell(9)), CellMark::Selection);
    EXPECT_EQ(grid.cellMark(cell(8)), CellMark::None);
}

// A save that merges the period list with the disk moves the selected period's record: the selection follows it.
TEST(GridSelection, TheSelectedPeriodFollowsItsRecordThroughAMerge) {
    const std::string p = "2001, 7, 2,M,2001, 7, 3,E,2001, 7, 2,1,clRed,";
    test::TempDir dir;
    const auto file = dir.write("CaFromTo.myc", "*****\r\n" + p + "a\r\n" + p + "b\r\n");
    ScheduleBook book;
    book.loadPeriods(ReadTextFile(file).value());
    MonthGrid grid(jd(2001, 7, 4), book);
    book.addPeriod(p + "ours");
    grid.state().selectedPeriod = 3;
    dir.write("CaFromTo.myc", "*****\r\n" + p + "b\r\n" + p + "disk\r\n" + p + "disk\r\n");
    ASSERT_TRUE(book.writePeriods(file).ok());
    ASSERT_EQ(book.periods().size(), 5u);
    EXPECT_EQ(book.periods()[4], p + "ours");
    EXPECT_EQ(grid.state().selectedPeriod, 4);
}

} // namespace
} // namespace rekko
