// SPDX-License-Identifier: GPL-3.0-or-later
// The year page, the memo page, the start-and-stop record and the almanac switches inside the main window, as the X11
// desktop delivers input (Xvfb, openbox, xdotool).
#include "Desktop.h"
#include "Pictures.h"
#include "RecordedBoxes.h"
#include "SampleWindow.h"
#include "WindowParts.h"

#include "app/StartStopRecord.h"
#include "app/ui/MainWindow.h"
#include "maintenance/ui/SetupWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace rekko {
namespace {

using test::Drive;
using test::OnGui;
using test::RecordedBoxes;
using test::WaitUntil;

// The main window over the sample data on Sunday 2026-12-06, its start-and-stop record in the program folder.
class YearMemoFlow : public ::testing::Test, protected test::WindowFolders<RecordedBoxes> {
protected:
    YearMemoFlow() : WindowFolders(EncodeDateTime({2026, 12, 6}, {9, 0, 0})) { test::CopySampleData(data.path()); }
    void TearDown() override { window.reset(); } // before the record it writes to

    // Writes the settings with the extra keys, starts the window and shows it; unless a box is to answer first,
    // waits until it is active.
    void begin(const std::string& settings = "", bool waitActive = true) {
        writeSettings(settings);
        window =
            std::make_unique<MainWindow>(controller, dialogs, std::function<void(bool)>{},
                                         ShellPorts{record, NullShellPorts().hotkeys, NullShellPorts().folderLock});
        dialogs.setParentWindow(window.get());
        ASSERT_TRUE(window->start({}, programs.path()));
        window->show();
        ASSERT_TRUE(!waitActive || QTest::qWaitForWindowActive(window.get()));
    }

    // Returns the screen point of a day inside one of the year page's calendars, through its own layout.
    QPoint dayOnScreen(int calendar, int32_t day) const {
        return OnGui([&] {
            const TSeMCalendar* shown =
                test::PartsOf(*window).yearPage()->controls().SeMCalendar[static_cast<size_t>(calendar)];
            const int cell = day - shown->model().firstVisibleDay();
            const GridRect rect = shown->model().geometry().cellRect(cell % 7, cell / 7 + 1);
            return shown->mapToGlobal(QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
        });
    }
    QPoint tabOnScreen(QWidget* page) const {
        return OnGui([&] {
            QTabBar* tabs = test::PartsOf(*window).pages->tabBar();
            return tabs->mapToGlobal(tabs->tabRect(test::PartsOf(*window).pages->indexOf(page)).center());
        });
    }
    // Opens a menu of the menu bar with the mouse and clicks one of its commands.
    void menuCommand(const char* menuName, const char* command) {
        QMenu* menu = OnGui([&] { return window->menuBar()->findChild<QMenu*>(menuName); });
        test::Click(OnGui([&] {
            QMenuBar* bar = window->menuBar();
            return bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).center());
        }));
        ASSERT_TRUE(WaitUntil([menu] { return menu->isVisible(); }));
        test::Click(OnGui(
            [&] { return menu->mapToGlobal(menu->actionGeometry(menu->findChild<QAction*>(command)).center()); }));
        ASSERT_TRUE(WaitUntil([menu] { return !menu->isVisible(); }));
    }
    QWidget* currentPage() const {
        return OnGui([this] { return test::PartsOf(*window).pages->currentWidget(); });
    }

    StartStopRecord record{program / "SorelSte.myd", clock, dialogs};
};

TEST_F(YearMemoFlow, ASmallCalendarOpensItsMonthAndTheMenuFeedsTheDayCount) {
    begin("pcNen=0\r\ncbKeisan=1\r\n");
    // The page is made when its tab is first shown, with what the start gave it.
    QWidget* yearTab = test::PartsOf(*window).yearLink->tab();
    EXPECT_FALSE(test::PartsOf(*window).yearLink->built());
    YearPage* year = nullptr;
    Drive([&] {
        test::Click(tabOnScreen(yearTab));
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == yearTab; }));
        year = OnGui(
            [&] { return test::PartsOf(*window).yearLink->built() ? test::PartsOf(*window).yearPage() : nullptr; });
        ASSERT_NE(year, nullptr);
        EXPECT_EQ(OnGui([&] { return year->controls().lblYM->text(); }), QString("2026/1 - 2026/12"));
        // The calendars hold the month grid's anniversaries, read from the sample's "Sday.myc".
        EXPECT_EQ(OnGui([&] { return year->controls().SeMCalendar[0]->SpecialDayList(); }),
                  OnGui([&] { return test::PartsOf(*window).monthView->grid()->SpecialDayList(); }));

        test::Click(dayOnScreen(4, EncodeJuliusDay(2026, 5, 20)));
        ASSERT_TRUE(test::WaitUntilModalActive());
        EXPECT_TRUE(OnGui([&] { return dialogs.showed("2026 年 5 月のマンスリーカレンダーを表示しますか？"); }));
        test::Keys("Return");
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == test::PartsOf(*window).monthPage; }));
        EXPECT_EQ(OnGui([&] { return test::PartsOf(*window).monthView->grid()->grid().Month(); }), 5);

        menuCommand("mnHyouji", "mmNissuu");
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == yearTab; }));
        EXPECT_EQ(OnGui([&] { return year->controls().pcNen->currentWidget(); }), year->controls().tsNisuu);
        test::Click(dayOnScreen(0, EncodeJuliusDay(2026, 1, 10)));
        ASSERT_TRUE(
            WaitUntil([&] { return year->controls().tsNisuu->controls().lblNissuu->text() == QString("330日"); }));
    });
    // The sub-page shown last is kept for the settings file.
    EXPECT_EQ(controller.settings().pcNen, 1);
}

TEST_F(YearMemoFlow, AltMShowsTheMemoAnywhereAndTheViewerKeepsItsEdits) {
    data.write("CaMemo.myc", "&1 first\r\nsecond\r\n");
    program.write("ReadMe.txt", "Rekko read me\r\n");
    begin("CaMemoY=1\r\n");
    MemoPage* memo = test::PartsOf(*window).memoPage;
    QPlainTextEdit* text = memo->controls().CaMemo;
    Drive([&] {
        test::Keys("alt+m");
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == memo; }));
        // The menu bar's own Alt+M would have opened "メモ欄".
        EXPECT_FALSE(OnGui([] { return QApplication::activePopupWidget() != nullptr; }));
        EXPECT_EQ(OnGui([&] { return text->textCursor().blockNumber(); }), 1);
        test::Click(test::CentreOnScreen(text));
        test::Keys("ctrl+End");
        test::TypeText("third");
        ASSERT_TRUE(WaitUntil([&] { return text->toPlainText().endsWith("third"); }));

        menuCommand("mnMemo", "mmReadMe");
        ASSERT_TRUE(WaitUntil([&] { return text->toPlainText().startsWith("Rekko read me"); }));
        test::Click(tabOnScreen(test::PartsOf(*window).monthPage));
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == test::PartsOf(*window).monthPage; }));
        test::Keys("alt+m");
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == memo && text->toPlainText().endsWith("third"); }));
        EXPECT_TRUE(OnGui([&] { return memo->modified(); }));
        test::Keys("alt+Left");
        ASSERT_TRUE(WaitUntil([&] { return currentPage() != memo; }));
    });
    ASSERT_TRUE(window->close());
    EXPECT_EQ(data.read("CaMemo.myc"), "&1 first\r\nsecond\r\nthird\r\n");
    const std::string settings = program.read("Sorel.ini");
    EXPECT_NE(settings.find("CaMemoY=2\r\n"), std::string::npos);
    EXPECT_NE(settings.find("MemoBtn1=1\r\n"), std::string::npos);
}

TEST_F(YearMemoFlow, TheRecordTellsTheLastStopShowsItsTableAndFollowsTheSwitch) {
    program.write("SorelSte.myd", "S:2026/12/05 8:00:00\r\nE:2026/12/05 18:00:00\r\n");
    begin("cbKidouKiroku=1\r\ncbKirokuHyouji=1\r\nudKidouGyou=2\r\n", false);
    Drive([&] {
        // The message about the last stop waits for the first activation.
        ASSERT_TRUE(test::WaitUntilModalActive());
        EXPECT_TRUE(OnGui([&] { return dialogs.showed("前回は 2026/12/05 18:00:00 に終了しました。"); }));
        test::Keys("Return");
        ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));
        EXPECT_EQ(program.read("SorelSte.myd"), "E:2026/12/05 18:00:00\r\nS:2026/12/06 9:00:00\r\n");

        menuCommand("mnHyouji", "mmKidouJikoku");
        ASSERT_TRUE(WaitUntil([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()); }));
        auto* view = OnGui([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()); });
        EXPECT_EQ(OnGui([&] { return view->windowTitle(); }), QString("Rekko -Rekko-"));
        EXPECT_TRUE(OnGui([&] { return view->textView()->toPlainText().contains("令和8年12月6日(日)"); }));
        test::Click(test::CentreOnScreen(view->closeButton()));
        ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));

        // Switched off on the settings page: a stop line now, none at the end.
        test::Click(test::CentreOnScreen(test::PartsOf(*window).monthPage->buttons().settings));
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == test::PartsOf(*window).settingsPage; }));
        const QCheckBox* box = window->findChild<QCheckBox*>("cbKidouKiroku");
        test::Click(test::OnScreen(box, QPoint(8, OnGui([box] { return box->height() / 2; }))));
        ASSERT_TRUE(WaitUntil([&] { return !controller.settings().cbKidouKiroku; }));
        EXPECT_FALSE(OnGui([&] { return test::PartsOf(*window).menus->actions().startRecord->isEnabled(); }));
    });
    ASSERT_TRUE(window->close());
    EXPECT_EQ(program.read("SorelSte.myd"),
              "E:2026/12/05 18:00:00\r\nS:2026/12/06 9:00:00\r\nE:2026/12/06 9:00:00\r\n");
}

// Counts the dark pixels in the right half of a day's number band in the month grid: where the almanac notes go.
int NotesInk(const TSeMCal& grid, int32_t day) {
    const int cell = day - grid.grid().firstVisibleDay();
    const GridRect rect = grid.grid().geometry().cellRect(cell % 7, cell / 7 + 1);
    const QRect band(rect.left + rect.width() / 2, rect.top + 1, rect.width() / 2 - 2,
                     grid.grid().cellMetrics().firstLineTop - 2);
    return test::CountPixels(grid.image(), band, [](QRgb pixel) { return qGray(pixel) < 128; });
}

TEST_F(YearMemoFlow, SolarTermsShowByDefaultAndTheAlmanacMarksWhenSwitchedOn) {
    begin();
    TSeMCal* grid = test::PartsOf(*window).monthView->grid();
    const int32_t taisetsu = EncodeJuliusDay(2026, 12, 7), next = EncodeJuliusDay(2026, 12, 8);
    // 大雪 on 7 December beside its number; nothing beside the 8th's.
    EXPECT_GT(OnGui([&] { return NotesInk(*grid, taisetsu); }), 10);
    EXPECT_EQ(OnGui([&] { return NotesInk(*grid, next); }), 0);
    Drive([&] {
        test::Click(test::CentreOnScreen(test::PartsOf(*window).monthPage->buttons().settings));
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == test::PartsOf(*window).settingsPage; }));
        CalendarSettingsPage* calendarPage = OnGui([&] { return test::PartsOf(*window).settingsPage->calendar(); });
        auto* tabs = OnGui([&] { return test::PartsOf(*window).settingsPage->findChild<QTabWidget*>(); });
        test::Click(OnGui([&] {
            return tabs->tabBar()->mapToGlobal(tabs->tabBar()->tabRect(tabs->indexOf(calendarPage)).center());
        }));
        ASSERT_TRUE(WaitUntil([&] { return tabs->currentWidget() == calendarPage; }));
        const QCheckBox* box = calendarPage->findChild<QCheckBox*>("cbRekichu");
        EXPECT_EQ(OnGui([box] { return box->text(); }), QString("干支・暦注を表示する"));
        test::Click(test::OnScreen(box, QPoint(8, OnGui([box] { return box->height() / 2; }))));
        ASSERT_TRUE(WaitUntil([&] { return controller.settings().cbRekichu; }));
    });
    // Every day now shows its 干支 beside its number.
    EXPECT_GT(OnGui([&] { return NotesInk(*grid, next); }), 10);
    // The year page marks the solar terms' days.
    Drive([&] {
        QWidget* yearTab = test::PartsOf(*window).yearLink->tab();
        test::Click(tabOnScreen(yearTab));
        ASSERT_TRUE(WaitUntil([&] { return currentPage() == yearTab; }));
    });
    const TSeMCalendar* december = OnGui([&] { return test::PartsOf(*window).yearPage()->controls().SeMCalendar[11]; });
    EXPECT_GT(OnGui([&] {
                  const int cell = taisetsu - december->model().firstVisibleDay();
                  const GridRect rect = december->model().geometry().cellRect(cell % 7, cell / 7 + 1);
                  const QRect corner(rect.right - rect.height() / 4, rect.top, rect.height() / 4, rect.height() / 4);
                  return test::CountPixels(december->image(), corner, [](QRgb pixel) {
                      return qGreen(pixel) > 100 && qRed(pixel) < 60 && qBlue(pixel) < 60;
                  });
              }),
              2);
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
