// SPDX-License-Identifier: GPL-3.0-or-later
// The month page as the X11 desktop delivers input (Xvfb, openbox, xdotool): periods from the popup and Shift-drag,
// opening a day (the day entry too), the month kept or reset on returning, month keys after a page switch, and SIGTERM
// during a question.
#include "Desktop.h"
#include "FakeClock.h"
#include "RecordedBoxes.h"
#include "TempDir.h"
#include "WindowParts.h"

#include "app/ui/MainWindow.h"
#include "calendar/Julius.h"
#include "platform/ui/QtDialogs.h"
#include "schedule/ui/ScheduleDialog.h"

#include <QApplication>
#include <QDate>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace rekko {
namespace {

namespace fs = std::filesystem;
using test::Drive;
using test::OnGui;
using test::RecordedBoxes;
using test::WaitUntil;

const auto Day = [](int day) { return EncodeJuliusDay(2026, 12, day); };

// The main window over the sample data on 2026-12-06, shown and active on the desktop.
class MonthFlow : public ::testing::Test {
protected:
    void SetUp() override {
        test::CopySampleData(data.path());
        std::ofstream(program.path() / "Sorel.ini", std::ios::binary)
            << "[Settei]\r\nedFolder=" << data.path().string() << "/\r\nCaFT1=CaFT6120.mcp\r\n";
        previous = fs::current_path();
        fs::current_path(data.path());
        boxes.setParentWindow(window.get());
        ASSERT_TRUE(window->start({}, programs.path()));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { fs::current_path(previous); }

    TSeMCal* grid() const { return test::PartsOf(*window).monthView->grid(); }
    CalendarDate shownMonth() const {
        return OnGui([this] {
            return CalendarDate{grid()->grid().Year(), static_cast<uint8_t>(grid()->grid().Month()), 1};
        });
    }

    // Returns the screen point in the middle of the grid's points whose hit the predicate takes, found through the
    // grid's own hit test.
    QPoint onScreen(const std::function<bool(const MonthGrid&, const GridHit&)>& wanted) const {
        return OnGui([&] {
            const MonthGrid& model = grid()->grid();
            QRect found;
            for (int y = 0; y < grid()->height(); y += 2)
                for (int x = 0; x < grid()->width(); x += 2)
                    if (const GridHit hit = model.hitTest(x, y); hit.cell() >= 0 && wanted(model, hit))
                        found |= QRect(x, y, 1, 1);
            return found.isNull() ? QPoint() : grid()->mapToGlobal(found.center() + grid()->contentsRect().topLeft());
        });
    }
    // The middle of a day's number band, in the third of the cell for the part of day (1 朝, 2 昼, 3 夕).
    QPoint dayOnScreen(int32_t day, int part = 2) const {
        return onScreen(
            [&](const MonthGrid&, const GridHit& hit) { return hit.day == day && hit.block == part && hit.line == 9; });
    }
    // The middle of the line of a day's cell that shows a period of the list.
    QPoint barOnScreen(int32_t day, int period) const {
        return onScreen([&](const MonthGrid& model, const GridHit& hit) {
            return hit.day == day && model.laneAt(hit) == Lane{'F', period};
        });
    }

    // Clicks the right button on a point, waits for a popup and answers the one that opened; the release where the
    // press was chooses nothing.
    QMenu* popupAt(QPoint at) {
        const MonthPageMenus& menus = test::PartsOf(*window).monthPage->menus();
        test::PressButton(at, 3);
        QMenu* opened = nullptr;
        WaitUntil([&] {
            opened = menus.grid->isVisible() ? menus.grid : menus.period->isVisible() ? menus.period : nullptr;
            return opened != nullptr;
        });
        test::ReleaseButton(at, 3);
        return opened;
    }

    // Presses the right button on a day, moves onto a command of the popup that opened and releases there.
    void popupCommand(int32_t day, int part, const char* command) {
        QMenu* menu = test::PartsOf(*window).monthPage->menus().grid;
        test::PressButton(dayOnScreen(day, part), 3);
        ASSERT_TRUE(WaitUntil([menu] { return menu->isVisible(); }));
        const QPoint item = OnGui([menu, command] {
            return menu->mapToGlobal(menu->actionGeometry(menu->findChild<QAction*>(command)).center());
        });
        test::MoveMouse(item);
        test::ReleaseButton(item, 3);
        ASSERT_TRUE(WaitUntil([menu] { return !menu->isVisible(); }));
    }

    test::TempDir program, startup, programs, data;
    test::FakeClock clock{CalendarDate{2026, 12, 6}, TimeOfDay{9, 0, 0}};
    test::FakeClockSetter setter;
    RecordedBoxes boxes;
    MainController controller{program.path(), startup.path(), clock, setter, boxes, program / "rescue"};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(controller, boxes);
    fs::path previous;
};

TEST_F(MonthFlow, PopupAndShiftDragEnterPeriods) {
    std::vector<PeriodFields> opened;
    test::PartsOf(*window).monthView->editPeriod = [&](const PeriodFields& period,
                                                       bool) -> std::optional<PeriodFields> {
        opened.push_back(period);
        return std::nullopt;
    };
    Drive([&] {
        popupCommand(Day(2), 1, "pmYoteiSt");
        EXPECT_EQ(OnGui([&] { return grid()->grid().state().selectionFirst; }), Day(2)); // the start is marked
        popupCommand(Day(9), 3, "pmYoteiEd");
        ASSERT_TRUE(WaitUntil([&] { return opened.size() == 1; }));

        // Shift-drag from the 4th (昼) to the 11th (夕); openbox takes Alt-drag for moving the window.
        const QPoint from = dayOnScreen(Day(4), 2);
        const QPoint to = dayOnScreen(Day(11), 3);
        test::Xdotool({"keydown", "shift", "mousemove", QString::number(from.x()), QString::number(from.y()),
                       "mousedown", "1", "mousemove", QString::number(to.x()), QString::number(to.y()), "mouseup", "1",
                       "keyup", "shift"});
        ASSERT_TRUE(WaitUntil([&] { return opened.size() == 2; }));
    });
    ASSERT_EQ(opened.size(), 2u);
    const auto ends = [](const PeriodFields& p) { return std::tuple{p.start, p.startPart, p.end, p.endPart}; };
    EXPECT_EQ(ends(opened[0]),
              std::tuple(PeriodDate{2026, 12, 2}, DayPart::Morning, PeriodDate{2026, 12, 9}, DayPart::Evening));
    EXPECT_EQ(opened[0].label, (PeriodDate{2026, 12, 5}));
    EXPECT_EQ(ends(opened[1]),
              std::tuple(PeriodDate{2026, 12, 4}, DayPart::Midday, PeriodDate{2026, 12, 11}, DayPart::Evening));
}

// 削除 is offered only on the selected bar and in the month it was selected in, and the question names the period.
TEST_F(MonthFlow, DeleteIsOfferedOnlyOnTheSelectedBarAndNamesThePeriod) {
    const MonthPageMenus& menus = test::PartsOf(*window).monthPage->menus();
    const auto selected = [&] { return OnGui([&] { return grid()->grid().state().selectedPeriod; }); };
    const auto closePopup = [](QMenu* menu) {
        test::Keys("Escape");
        ASSERT_TRUE(WaitUntil([menu] { return !menu->isVisible(); }));
    };
    Drive([&] {
        // 出張 (period 1, the 14th to the 18th) selected; a right click on the 2nd is about the 2nd.
        test::Click(barOnScreen(Day(15), 1));
        ASSERT_TRUE(WaitUntil([&] { return selected() == 1; }));
        QMenu* opened = popupAt(dayOnScreen(Day(2)));
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened, menus.grid);
        closePopup(opened);

        // 年末年始休暇 (period 3, to January 3rd) selected in December is not offered from January, even on its bar.
        test::Click(barOnScreen(Day(29), 3));
        ASSERT_TRUE(WaitUntil([&] { return selected() == 3; }));
        test::Keys("ctrl+Right");
        ASSERT_TRUE(WaitUntil([&] { return grid()->grid().Month() == 1; }));
        opened = popupAt(barOnScreen(EncodeJuliusDay(2027, 1, 2), 3));
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened, menus.grid);
        closePopup(opened);
        test::Keys("ctrl+Left");
        ASSERT_TRUE(WaitUntil([&] { return grid()->grid().Month() == 12; }));

        // On the selected bar 削除 asks, naming the period; No keeps it.
        test::Click(barOnScreen(Day(15), 1));
        ASSERT_TRUE(WaitUntil([&] { return selected() == 1; }));
        opened = popupAt(dayOnScreen(Day(17)));
        ASSERT_EQ(opened, menus.period);
        const QPoint item =
            OnGui([&] { return opened->mapToGlobal(opened->actionGeometry(menus.deletePeriod).center()); });
        test::Click(item);
        ASSERT_TRUE(test::WaitUntilModalActive());
        test::Keys("Return"); // No is the default
        ASSERT_TRUE(WaitUntil([] { return !QApplication::activeModalWidget(); }));
    });
    EXPECT_TRUE(boxes.showed("この予定を削除してもいいですか？\r\n2026/12/14～2026/12/18 出張"));
    EXPECT_EQ(OnGui([&] { return grid()->grid().book().periods().size(); }), 4u);
}

// The day entry opens the month's last day and refuses the day after it with its message.
TEST_F(MonthFlow, DoubleClickEnterAndTheDayEntryOpenADayOnce) {
    std::vector<int32_t> opened;
    test::PartsOf(*window).monthView->editDay = [&](int32_t day, const DaySchedule&) -> std::optional<DaySchedule> {
        opened.push_back(day);
        return std::nullopt;
    };
    Drive([&] {
        test::DoubleClick(dayOnScreen(Day(2)));
        ASSERT_TRUE(WaitUntil([&] { return opened.size() == 1; }));
        test::Keys("Return"); // the current day, the 2nd
        ASSERT_TRUE(WaitUntil([&] { return opened.size() == 2; }));
        test::Keys("ctrl+l");
        test::TypeText("31");
        test::Keys("Return");
        ASSERT_TRUE(WaitUntil([&] { return opened.size() == 3; }));
        test::Keys("ctrl+l");
        test::TypeText("32");
        test::Keys("Return");
        ASSERT_TRUE(test::WaitUntilModalActive());
        test::Keys("Return");
        ASSERT_TRUE(WaitUntil([] { return !QApplication::activeModalWidget(); }));
    });
    EXPECT_EQ(opened, (std::vector<int32_t>{Day(2), Day(2), Day(31)}));
    EXPECT_TRUE(boxes.showed("[ 32 ]日は、日付に出来ません。"));
}

TEST_F(MonthFlow, ClosingADialogKeepsTheMonthAndAReturnFromElsewhereShowsThisMonth) {
    const auto dialog = [this] { return window->findChild<ScheduleDialog*>("fmDay"); };
    const auto dialogActive = [&] { return dialog() && dialog()->isActiveWindow(); };
    // The window manager gives the focus back to the main window; should it leave it nowhere, the user clicks there.
    const auto dialogClosed = [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog()->isVisible(); }));
        if (!WaitUntil([&] { return window->isActiveWindow(); }, 1000))
            test::Xdotool({"windowactivate", QString::number(OnGui([&] { return window->winId(); }))});
        ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));
    };
    // Away to another application, then the user activates a window of ours.
    const auto awayAndBackTo = [](QWidget* ours, const std::function<bool()>& active) {
        test::OtherApplication other;
        ASSERT_TRUE(other.waitUntilActive());
        ASSERT_TRUE(WaitUntil([] { return !QGuiApplication::focusWindow(); }));
        test::Xdotool({"windowactivate", QString::number(OnGui([&] { return ours->winId(); }))});
        ASSERT_TRUE(WaitUntil(active));
    };
    Drive([&] {
        test::Keys("ctrl+Right");
        ASSERT_TRUE(WaitUntil([&] { return grid()->grid().Month() == 1; }));
        // Back onto the open dialog from another application: closing it keeps the month.
        test::Keys("ctrl+l");
        test::TypeText("6");
        test::Keys("Return");
        ASSERT_TRUE(WaitUntil(dialogActive));
        ASSERT_NO_FATAL_FAILURE(awayAndBackTo(OnGui(dialog), dialogActive));
        test::Keys("Escape");
        ASSERT_TRUE(WaitUntil([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }));
        ASSERT_TRUE(test::WaitUntilModalActive());
        test::Keys("Return"); // キャンセルしますか？ Yes
        dialogClosed();
        EXPECT_EQ(shownMonth(), (CalendarDate{2027, 1, 1}));

        // Back straight onto the main window: this month.
        ASSERT_NO_FATAL_FAILURE(awayAndBackTo(window.get(), [&] { return window->isActiveWindow(); }));
        EXPECT_EQ(shownMonth(), (CalendarDate{2026, 12, 1}));
    });
}

TEST_F(MonthFlow, MonthKeysWorkAfterReturningToTheMonthPage) {
    QTabWidget* pages = test::PartsOf(*window).pages;
    Drive([&] {
        test::Click(test::CentreOnScreen(test::PartsOf(*window).monthPage->buttons().settings));
        ASSERT_TRUE(WaitUntil([&] { return pages->currentWidget() == test::PartsOf(*window).settingsPage; }));
        // Keyboard focus on the page tabs, as Shift+Tab from the settings page gives it.
        for (int step = 0; step < 30; ++step) {
            QWidget* focused = OnGui([] { return QApplication::focusWidget(); });
            if (focused == pages->tabBar())
                break;
            test::Keys("shift+Tab");
            WaitUntil([&] { return QApplication::focusWidget() != focused; }, 1000);
        }
        ASSERT_TRUE(OnGui([&] { return pages->tabBar()->hasFocus(); }));
        test::Click(OnGui([&] { return pages->tabBar()->mapToGlobal(pages->tabBar()->tabRect(0).center()); }));
        ASSERT_TRUE(WaitUntil([&] { return pages->currentWidget() == test::PartsOf(*window).monthPage; }));
        EXPECT_TRUE(OnGui([&] { return grid()->hasFocus(); }));
        test::Keys("ctrl+Right");
        ASSERT_TRUE(WaitUntil([&] { return grid()->grid().Month() == 1; }));
        EXPECT_EQ(OnGui([&] { return pages->currentWidget(); }), test::PartsOf(*window).monthPage);
        test::Keys("ctrl+l");
        EXPECT_TRUE(WaitUntil([&] { return test::PartsOf(*window).status->dayEntry()->isVisible(); }));
        test::Keys("Escape");
    });
}

// For the real program: the file of a month holding one line on a day, with an empty period file and memo; returns the
// month file and its bytes.
std::pair<fs::path, std::string> LayMonth(const test::RekkoProcess& rekko, const QDate& month, int day) {
    const fs::path file =
        rekko.dataFolder() / QString::asprintf("Ca%.4d%.2d.myc", month.year(), month.month()).toStdString();
    const std::string bytes =
        QString::asprintf(" 0,0,9,%.4d/%2d\r\n%2d,1,,old,,,,,,\r\n", month.year(), month.month(), day).toStdString();
    std::ofstream(file, std::ios::binary) << bytes;
    std::ofstream(rekko.dataFolder() / "CaFromTo.myc", std::ios::binary) << "***** FromTo\x97\x5c\x92\xe8\r\n";
    std::ofstream(rekko.dataFolder() / "CaMemo.myc", std::ios::binary) << "";
    return {file, bytes};
}

// The real program: a day written in the jumped month, then the leave-jump question open when SIGTERM comes.
TEST(RekkoOnTheDesktop, SigtermWhileTheLeaveJumpQuestionIsOpenWritesTheJumpedMonth) {
    test::RekkoProcess rekko(REKKO_EXECUTABLE);
    const auto [file, before] = LayMonth(rekko, QDate::currentDate().addMonths(4), 1);
    ASSERT_TRUE(rekko.start());
    test::Keys("ctrl+Right ctrl+Right ctrl+Right ctrl+Right ctrl+l");
    test::TypeText("5");
    test::Keys("Return");
    const QString dialog = test::WaitForWindow(rekko.pid(), "^Rekko -Rekko-$");
    ASSERT_TRUE(test::WaitUntilWindowActive(dialog));
    test::TypeText("flow");
    test::Keys("ctrl+Return");
    // Back on the main window "今月" leaves jump mode, which asks before overwriting the month's file. (Where an
    // activation still returned to this month, the question came at once.)
    const auto question = [&] { return !test::FindWindows(rekko.pid(), "^確認$").isEmpty(); };
    ASSERT_TRUE(WaitUntil([&] { return question() || test::ActiveWindow() == rekko.mainWindow(); }));
    if (!question())
        test::Keys("ctrl+Up");
    ASSERT_TRUE(WaitUntil(question));
    EXPECT_EQ(rekko.terminate(), 0);
    EXPECT_EQ(test::ReadFile(file), before + " 5,1,,flow,,,,,,\r\n");
}

// The real program: a line written on the 1st while a shell appends a line to the same month file; SIGTERM saves
// both, the shell's line where it stood and the day written in the window at the end.
TEST(RekkoOnTheDesktop, SigtermKeepsTheLineAnotherWriterAppendedToTheEditedMonth) {
    test::RekkoProcess rekko(REKKO_EXECUTABLE);
    const auto [file, before] = LayMonth(rekko, QDate::currentDate(), 2);
    ASSERT_TRUE(rekko.start());
    ASSERT_TRUE(rekko.writeLineOnThe1st("ours"));
    std::ofstream(file, std::ios::app | std::ios::binary) << "25,1,,shell\n";
    EXPECT_EQ(rekko.terminate(), 0);
    EXPECT_EQ(test::ReadFile(file), before + "25,1,,shell\r\n 1,1,,ours,,,,,,\r\n");
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
