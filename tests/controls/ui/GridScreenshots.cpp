// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the month grid under Xvfb, for a person to look at: lines, bars, a selection, the compact layout.
#include "controls/ui/TSeMCal.h"

#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include "BookLines.h"
#include "Pictures.h"

#include <QTest>

namespace rekko {

class GridScreenshots : public QObject {
    Q_OBJECT

private slots:
    // May 2026 on tab 1 with April and June beside it; today is the 20th and the date the 12th.
    void mayWithLinesPeriodsAndASelection() {
        ScheduleBook book;
        TSeMCal grid(EncodeJuliusDay(2026, 5, 20), book);
        grid.resize(844, 724); // rows of about 115 pixels hold five lines above the rokuyo band
        grid.setIsFontBold(true);
        grid.setItemGyo(5);
        grid.setSelfSize(true);
        grid.setShowRokuyo(true);
        grid.setHolidayList(test::ToQStringList(BuiltinHolidayList()));
        grid.setSpecialDayList({"5,14,結婚記念日", "5,5,創立記念日", "5,5,端午"});
        grid.setJuliusDay(EncodeJuliusDay(2026, 5, 12));
        test::LoadMonth(book, 0, 2026, 4, {" 0,0,9,2026/ 4", "26,1,,花見,clGreen,,,,,"});
        test::LoadMonth(book, 1, 2026, 5,
                        {" 0,0,9,2026/ 5", " 8,1,,歯医者 10:00,,,,,,", "12,1,,朝会,clRed,,,,,",
                         "12,2,,設計レビュー,clBlue,,,,,", "12,3,,昼食会,clFuchsia,,,,,", "12,4,,資料作成,clTeal,,,,,",
                         "12,5,,帰りに買い物,clMaroon,,,,,", "19,1,,一,,,,,,", "19,2,,二,,,,,,", "19,3,,三,,,,,,",
                         "19,4,,四,,,,,,", "19,5,,五番目の長い予定です,,,,,,", "19,6,,六,,,,,,", "19,7,,七,,,,,,",
                         "21,1,,1，000円の集金,,,,,,"});
        test::LoadMonth(book, 2, 2026, 6, {" 0,0,9,2026/ 6", " 1,1,,衣替え,,,,,,"});
        book.loadPeriods(test::ReadLines({"***** FromTo予定", "2026, 5,25,M,2026, 5,28,E,2026, 5,26,1,clNavy,出張",
                                          "2026, 5,26,A,2026, 5,29,M,2026, 5,27,2,clRed,研修",
                                          "2026, 5,27,E,2026, 6, 2,A,2026, 5,31,3,clGreen,展示会の準備と本番",
                                          "2026, 5, 1,M,2026, 5, 1,E,2026, 5, 1,1,,連休"}));
        grid.setCurrentTab(1);
        grid.show();
        test::SaveScreenshot(grid, "grid-month");
        // The red line of the 12th is drawn in its cell.
        const MonthGrid& model = grid.grid();
        const int cell = EncodeJuliusDay(2026, 5, 12) - model.firstVisibleDay();
        const GridRect twelfth = model.geometry().cellRect(cell % 7, cell / 7 + 1);
        QVERIFY(test::CountPixels(grid.image(), QRect(twelfth.left, twelfth.top, twelfth.width(), twelfth.height()),
                                  test::Reddish) > 20);

        GridState& state = grid.grid().state();
        state.selectionFirst = EncodeJuliusDay(2026, 5, 4);
        state.selectionLast = EncodeJuliusDay(2026, 5, 7);
        state.pressedDay = EncodeJuliusDay(2026, 5, 22);
        state.highlight = true;
        state.selectedPeriod = 2;
        grid.RedrawCells();
        test::SaveScreenshot(grid, "grid-selection");

        grid.ResetSelection();
        grid.resize(844, 524);
        grid.setItemGyo(3);
        grid.setShowRokuyo(false);
        grid.setFirstDayOfWeek(dowMon);
        grid.setIsFontBold(false);
        test::SaveScreenshot(grid, "grid-compact-monday");
    }
};

} // namespace rekko

QTEST_MAIN(rekko::GridScreenshots)
#include "GridScreenshots.moc"
