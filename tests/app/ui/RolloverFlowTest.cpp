// SPDX-License-Identifier: GPL-3.0-or-later
// The date rollover of the main window on an X11 desktop (Xvfb, openbox, xdotool), its function timer running under
// a clock the test sets: midnight in a month and at the end of a year, and a window left minimised over the end of a
// month. What the user sees is checked: the month tabs, the month shown and the today mark on the screen; pictures
// after each month change go to the screenshot folder.
#include "Desktop.h"
#include "Pictures.h"
#include "SampleWindow.h"
#include "WindowParts.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <ostream>

namespace rekko {
namespace {

// The light green of today's cell.
const QColor kTodayMark(0xD5, 0xFF, 0xD0);

// What the month page shows: its tab labels, the selected one, and the dates of the cells that carry the today mark
// on the screen.
struct MonthShown {
    QStringList tabs;
    QString selected;
    QStringList marked;
    friend bool operator==(const MonthShown&, const MonthShown&) = default;
    friend void PrintTo(const MonthShown& shown, std::ostream* out) {
        *out << "tabs " << shown.tabs.join(' ').toStdString() << ", " << shown.selected.toStdString()
             << " selected, today mark on " << shown.marked.join(' ').toStdString();
    }
};

// The labels of the month tabs.
QStringList TabLabels(const test::SampleWindow& s) {
    QStringList labels;
    const MonthTabBar* tabs = test::PartsOf(*s.window).monthPage->monthTabs();
    for (int i = 0; i < tabs->count(); ++i)
        labels << tabs->tabText(i);
    return labels;
}

// Reads the month page on the GUI thread, the grid's cells from a picture of the screen.
MonthShown Shown(const test::SampleWindow& s) {
    MonthShown shown;
    shown.tabs = TabLabels(s);
    const MonthTabBar* tabs = test::PartsOf(*s.window).monthPage->monthTabs();
    shown.selected = tabs->tabText(tabs->currentIndex());
    const TSeMCal* grid = s.grid();
    const QPoint origin = grid->mapTo(s.window.get(), grid->contentsRect().topLeft());
    const QImage screen = QGuiApplication::primaryScreen()
                              ->grabWindow(s.window->winId(), origin.x(), origin.y(), grid->contentsRect().width(),
                                           grid->contentsRect().height())
                              .toImage();
    const MonthGrid& model = grid->grid();
    for (int cell = 0; cell < (model.geometry().rows() - 1) * 7; ++cell) {
        const GridRect rect = model.geometry().cellRect(cell % 7, cell / 7 + 1);
        const QRect area(rect.left, rect.top, rect.width(), rect.height());
        // Text and lines take part of a cell; a marked cell is mostly the mark's colour.
        const int green =
            test::CountPixels(screen, area & screen.rect(), [](QRgb p) { return QColor(p) == kTodayMark; });
        if (green * 2 > area.width() * area.height()) {
            const CalendarDate date = model.cellDay(cell).date;
            shown.marked << QString("%1/%2/%3").arg(date.year).arg(date.month).arg(date.day);
        }
    }
    return shown;
}

// Expects the month page to show what is expected within timeoutMs; a failure says what it shows.
void ExpectShown(const test::SampleWindow& s, const MonthShown& expected, int timeoutMs = 5000) {
    test::WaitUntil([&] { return Shown(s) == expected; }, timeoutMs);
    EXPECT_EQ(test::OnGui([&] { return Shown(s); }), expected);
}

// The sample window started at a moment, active on the desktop, counting the ticks of its function timer.
class Rollover : public ::testing::Test {
protected:
    // Answers whether the window started and showed.
    bool start(const CalendarDate& date, const TimeOfDay& time) {
        window = std::make_unique<test::SampleWindow>(
            "", [&](test::SampleWindow& w) { w.clock.set(EncodeDateTime(date, time)); });
        QObject::connect(test::PartsOf(*window->window).functionTimer, &QTimer::timeout, [this] { ++ticks; });
        id = QString::number(window->window->winId());
        return window->started;
    }
    void setClock(const CalendarDate& date, const TimeOfDay& time) {
        test::OnGui([&] { window->clock.set(EncodeDateTime(date, time)); });
    }
    // Waits for the next tick of the function timer to end (it runs at 10 s while warming up).
    bool waitForTick() {
        const int seen = test::OnGui([this] { return ticks; });
        return test::WaitUntil([&] { return ticks > seen; }, 15000);
    }

    std::unique_ptr<test::SampleWindow> window;
    QString id; // the X window of the main window
    int ticks = 0;
};

// Midnight moves the today mark to the next day; at the end of the year the first tick after midnight also saves
// everything and moves the month window on by one month, January selected with the 1st marked as today.
TEST_F(Rollover, MidnightMovesTheTodayMarkAndAtTheEndOfTheYearTheMonthWindow) {
    ASSERT_TRUE(start({2026, 12, 30}, {23, 59, 50}));
    test::Drive([&] {
        ASSERT_TRUE(test::WaitUntilWindowActive(id));
        const QStringList december{"１１月", "１２月", "１月", "２月", "３月"};
        ExpectShown(*window, {december, "１２月", {"2026/12/30"}});
        setClock({2026, 12, 31}, {0, 0, 5});
        ASSERT_TRUE(waitForTick());
        ExpectShown(*window, {december, "１２月", {"2026/12/31"}});
        EXPECT_EQ(window->program.read("Sorel.ini").find("fmC21Top"), std::string::npos);

        setClock({2027, 1, 1}, {0, 0, 5});
        ASSERT_TRUE(waitForTick());
        ExpectShown(*window, {{"１２月", "１月", "２月", "３月", "４月"}, "１月", {"2027/1/1"}});
        test::OnGui([&] { test::SaveScreenshot(*window->window, "rollover-midnight-new-year"); });
        EXPECT_NE(window->program.read("Sorel.ini").find("fmC21Top"), std::string::npos);
        // The status bar has its colour back, and the tick keeps its warm-up interval after month initialisation.
        EXPECT_FALSE(test::OnGui([&] { return test::PartsOf(*window->window).status->autoFillBackground(); }));
        EXPECT_EQ(test::OnGui([&] { return test::PartsOf(*window->window).functionTimer->interval(); }), 10000);
    });
}

// Left minimised from the 30th and shown again on the 3rd: out of sight the program keeps its today; once shown,
// the month window moves on although the day is not the 1st.
TEST_F(Rollover, AWindowShownOnTheThirdAfterTheThirtiethMovesTheMonthWindow) {
    ASSERT_TRUE(start({2026, 11, 30}, {12, 0, 0}));
    test::Drive([&] {
        ASSERT_TRUE(test::WaitUntilWindowActive(id));
        const MonthShown november{{"１０月", "１１月", "１２月", "１月", "２月"}, "１１月", {"2026/11/30"}};
        ExpectShown(*window, november);
        test::Xdotool({"windowminimize", id});
        ASSERT_TRUE(test::WaitUntil([&] { return window->window->isMinimized(); }));
        setClock({2026, 12, 3}, {9, 0, 0});
        ASSERT_TRUE(waitForTick());
        // Out of sight the program keeps its today: the tabs stay.
        EXPECT_EQ(test::OnGui([&] { return TabLabels(*window).join(' ').toStdString(); }),
                  november.tabs.join(' ').toStdString());
        test::Xdotool({"windowactivate", id});
        ASSERT_TRUE(test::WaitUntilWindowActive(id));
        ASSERT_TRUE(waitForTick());
        ExpectShown(*window, {{"１１月", "１２月", "１月", "２月", "３月"}, "１２月", {"2026/12/3"}});
        test::OnGui([&] { test::SaveScreenshot(*window->window, "rollover-shown-on-the-third"); });
    });
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
