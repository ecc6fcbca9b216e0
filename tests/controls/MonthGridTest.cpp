// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's mouse-press rule and state fields, period deletion, cell marks and the texts of a cell for the exports.
#include "controls/MonthGrid.h"

#include "controls/GridDayRules.h"

#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

int32_t jd(int32_t y, int m, int d) {
    return EncodeJuliusDay(y, m, d);
}

// July 2001 in an 840 x 600 client with the main window's settings; the grid starts on Sunday 2001-06-24.
class GridPress : public ::testing::Test {
protected:
    GridPress() : grid(jd(2001, 7, 10)) {
        MonthGridOptions options;
        options.ItemGyo = 5;
        options.SelfSize = true;
        options.NeighborJump = true;
        grid.setOptions(options);
        grid.setClientSize(840, 600);
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

    MonthGrid grid;
};

TEST_F(GridPress, ARightPressTakesADayButAHeaderPressNone) {
    EXPECT_TRUE(press(MouseButton::Right, 2001, 7, 21));
    EXPECT_EQ(grid.JuliusDay(), jd(2001, 7, 21));
    // A press on the header records the day above the first row and moves nothing.
    const GridHit header = grid.beginPress(130, 5);
    EXPECT_FALSE(grid.finishPress(MouseButton::Left, header));
    EXPECT_EQ(grid.state().pressedDay, jd(2001, 6, 18));
    EXPECT_FALSE(grid.state().pressedInMonth);
    EXPECT_EQ(grid.JuliusDay(), jd(2001, 7, 21));
}

TEST_F(GridPress, ARightClickOnANeighbouringMonthNeverMovesTheDate) {
    EXPECT_FALSE(press(MouseButton::Right, 2001, 6, 25));
    EXPECT_EQ(grid.JuliusDay(), jd(2001, 7, 10));
    EXPECT_EQ(grid.state().pressedDay, jd(2001, 6, 25));
    EXPECT_FALSE(grid.state().pressedInMonth);
    EXPECT_FALSE(grid.state().jumped);
    EXPECT_EQ(grid.currentTab(), 1);
    MonthGridOptions noJump = grid.options();
    noJump.NeighborJump = false;
    grid.setOptions(noJump);
    EXPECT_FALSE(press(MouseButton::Left, 2001, 6, 25));
    EXPECT_EQ(grid.JuliusDay(), jd(2001, 7, 10));
}

TEST_F(GridPress, NeighbourJumpsMoveTheTabOrMarkTheRange) {
    // 2001-06-25 lies in week row 1 of July: backward.
    EXPECT_TRUE(press(MouseButton::Left, 2001, 6, 25));
    EXPECT_EQ(grid.JuliusDay(), jd(2001, 6, 25));
    EXPECT_TRUE(grid.state().jumped);
    EXPECT_TRUE(grid.state().jumpedBackward);
    EXPECT_FALSE(grid.state().pressedInMonth);
    EXPECT_EQ(grid.currentTab(), 0);
    // 2001-07-06 lies in week row 6 of June (which starts on 2001-05-27): forward.
    EXPECT_TRUE(press(MouseButton::Left, 2001, 7, 6));
    EXPECT_FALSE(grid.state().jumpedBackward);
    EXPECT_EQ(grid.currentTab(), 1);
    // Beyond the first tab, the last tab and the jumped month the tab stays and the range flag is set.
    const struct {
        int tab;
        int month;
        int day;
    } beyond[] = {{0, 6, 25}, {4, 8, 2}, {5, 8, 2}, {5, 6, 25}};
    for (const auto& c : beyond) {
        grid.state() = {};
        grid.setJuliusDay(jd(2001, 7, 10));
        grid.setCurrentTab(c.tab);
        EXPECT_TRUE(press(MouseButton::Left, 2001, c.month, c.day));
        EXPECT_TRUE(grid.state().tabRangeExceeded) << c.tab;
        EXPECT_EQ(grid.currentTab(), c.tab);
        // Once the range is exceeded, a further jump the same way leaves the tab alone.
        grid.setJuliusDay(jd(2001, 7, 10));
        press(MouseButton::Left, 2001, c.month, c.day);
        EXPECT_EQ(grid.currentTab(), c.tab);
    }
}

TEST_F(GridPress, TheLaneUnderAHitLine) {
    grid.setPeriodList({"***** FromTo予定", "2001, 7, 3,M,2001, 7, 5,E,2001, 7, 4,1,clBlue,a"});
    grid.setMonthList(1, 2001, 7, {" 0,0,9,2001/ 7", "20,1,,b,,,,,,"});
    grid.layout();
    const auto at = [this](int d, int band) {
        const int cell = jd(2001, 7, d) - grid.firstVisibleDay();
        const GridRect rect = grid.geometry().cellRect(cell % 7, cell / 7 + 1);
        return grid.laneAt(grid.hitTest(rect.left + 60, rect.top + band));
    };
    EXPECT_EQ(at(4, 24 + 3), (Lane{'F', 1}));
    EXPECT_EQ(at(20, 24 + 14 * 4 + 3), (Lane{'1', 1}));
    EXPECT_TRUE(at(20, 24 + 14 * 3 + 3).empty());
    EXPECT_TRUE(at(4, 10).empty());
    EXPECT_TRUE(grid.laneAt(grid.hitTest(300, 5)).empty());
    // Below the last shown lane lies the overflow lane, which is never shown.
    MonthGridOptions three = grid.options();
    three.ItemGyo = 3;
    grid.setOptions(three);
    grid.layout();
    EXPECT_EQ(at(20, 24 + 14 * 2 + 3), (Lane{'1', 1}));
    EXPECT_TRUE(at(20, 24 + 14 * 3 + 3).empty());
}

// Today, selection and pressed marks are checked in the widget's pixels.
TEST_F(GridPress, ARangeDraggedBackwardsMarksOnlyItsFirstDay) {
    const auto cell = [this](int d) { return jd(2001, 7, d) - grid.firstVisibleDay(); };
    grid.state().selectionFirst = jd(2001, 7, 9);
    grid.state().selectionLast = jd(2001, 7, 5);
    EXPECT_EQ(grid.cellMark(cell(9)), CellMark::Selection);
    EXPECT_EQ(grid.cellMark(cell(8)), CellMark::None);
}

TEST(GridPeriods, DeleteAsksAndRemovesOnlyOnYes) {
    MonthGrid grid(jd(2001, 7, 10));
    grid.setPeriodList({"***** FromTo予定", "2001, 7, 3,M,2001, 7, 5,E,2001, 7, 4,1,clBlue,a",
                        "2001, 7, 9,M,2001, 7, 9,E,2001, 7, 9,1,clBlue,b"});
    grid.state().selectedPeriod = 1;
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::No);
    EXPECT_FALSE(grid.deletePeriod(1, dialogs));
    EXPECT_EQ(grid.periodList().size(), 3u);
    EXPECT_EQ(grid.state().selectedPeriod, 1);
    dialogs.expect(DialogAnswer::Yes);
    EXPECT_TRUE(grid.deletePeriod(1, dialogs));
    ASSERT_EQ(grid.periodList().size(), 2u);
    EXPECT_EQ(grid.state().selectedPeriod, 0);
    grid.layout();
    const Lane moved = grid.cellLanes(jd(2001, 7, 9) - grid.firstVisibleDay())[0];
    EXPECT_EQ(moved, (Lane{'F', 1}));
    EXPECT_EQ(grid.periodBar(moved)->title, "b");
    // The header and lines beyond the list are never asked about.
    EXPECT_FALSE(grid.deletePeriod(0, dialogs));
    EXPECT_FALSE(grid.deletePeriod(2, dialogs));
    ASSERT_EQ(dialogs.shown().size(), 2u);
    const DialogMessage& question = dialogs.shown()[0];
    EXPECT_EQ(question.text, "この予定を削除してもいいですか？");
    EXPECT_EQ(question.defaultAnswer, DialogAnswer::No);
}

TEST(GridNames, SpecialDaysKeepTheirFontAndLeadTheNames) {
    MonthGrid grid(jd(2026, 1, 10));
    ASSERT_TRUE(grid.rules().setHolidayList(BuiltinHolidayList()).ok());
    ASSERT_TRUE(grid.rules().setSpecialDayList({"1,1,記念日", "1,1,誕生日", "1,12,a　b"}).ok());
    grid.layout();
    const int first = jd(2026, 1, 1) - grid.firstVisibleDay();
    EXPECT_EQ(grid.cellDay(first).font, DayFontKind::Holiday);
    EXPECT_TRUE(grid.cellDay(first).specialMark);
    EXPECT_EQ(grid.cellDay(first).namesText, "記念日,誕生日,元旦");
    EXPECT_EQ(grid.cellTexts(first).anniversary, "記念日，誕生日 ");
    EXPECT_EQ(grid.cellTexts(first).holiday, "元旦");
    // 2026-01-12 is the second Monday (成人の日); 2026-01-13 a plain Tuesday.
    const int twelfth = jd(2026, 1, 12) - grid.firstVisibleDay();
    EXPECT_EQ(grid.cellDay(twelfth).font, DayFontKind::Holiday);
    EXPECT_EQ(grid.cellDay(twelfth + 1).font, DayFontKind::Weekday);
    EXPECT_FALSE(grid.cellDay(twelfth + 1).specialMark);
    const std::vector<NamePart> parts = NameParts(grid.cellDay(first).namesText, grid.cellDay(first).names.kinds);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].text, "記念日,");
    EXPECT_EQ(parts[1].text, "誕生日 ");
    EXPECT_EQ(parts[2].text, "元旦");
    EXPECT_TRUE(parts[1].special);
    EXPECT_FALSE(parts[2].special);
    const std::vector<NamePart> whole = NameParts("a　b", "S");
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].text, "a b");
    EXPECT_EQ(NameParts("1，000,元旦", "SH")[0].text, "1,000 ");
}

TEST(GridRuleFiles, ReadFromTheCurrentDirectoryWithTheirMessages) {
    test::TempDir dir;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    MonthGrid grid(jd(2026, 12, 6));
    test::ScriptedDialogs dialogs;
    // Missing files are no error and leave the lists empty.
    grid.readRuleFiles(dialogs);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(grid.rules().holidayList().empty());
    dir.write("Hday.dat", "12,6,\x8C\xB3\x93\xFA\r\n"); // 元日 on 6 December
    dir.write("Sday.myc", "12,6,ok\r\nnot a number\r\n");
    dialogs.expect(DialogAnswer::Ok);
    grid.readRuleFiles(dialogs);
    std::filesystem::current_path(previous);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "スペシャルDayファイル読込ミス\r\n処理は続けます。");
    // The grid goes on with what it read: the holiday and the special day before the bad line.
    grid.layout();
    EXPECT_EQ(grid.cellDay(jd(2026, 12, 6) - grid.firstVisibleDay()).namesText, "ok,元日");
}

} // namespace
} // namespace rekko
