// SPDX-License-Identifier: GPL-3.0-or-later
// An anniversary edited in the page 記念日 opened from the menu, as the X11 desktop delivers input, and seen at once in
// the month grid; the hidden menu entry Rekko記念管理 revealed by the 設定 button released with Ctrl and Alt held.
#include "Desktop.h"
#include "RecordedBoxes.h"
#include "SampleWindow.h"

#include "app/ui/MainWindow.h"
#include "maintenance/ui/SetupWindow.h"

#include <QApplication>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace rekko {
namespace {

using test::OnGui;
using test::WaitUntil;

class AnniversaryFlow : public ::testing::Test, protected test::WindowFolders<test::RecordedBoxes> {
protected:
    AnniversaryFlow() : WindowFolders(EncodeDateTime({2026, 12, 6}, {9, 0, 0})) { test::CopySampleData(data.path()); }
    void TearDown() override { window.reset(); }

    // Starts the main window on the sample data and waits until it has the focus.
    void startWindow() {
        writeSettings("");
        window = std::make_unique<MainWindow>(controller, dialogs);
        dialogs.setParentWindow(window.get());
        ASSERT_TRUE(window->start({}, programs.path()));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The names the month grid draws on a day of the shown month.
    std::string namesOn(int day) const {
        return OnGui([&] {
            const MonthGrid& grid = test::PartsOf(*window).monthView->grid()->grid();
            for (int cell = 0; cell < grid.rowCount() * 7; ++cell)
                if (const CellTexts texts = grid.cellTexts(cell); texts.date.month == 12 && texts.date.day == day) {
                    const std::vector<std::string> lines = grid.cellLines(cell);
                    return lines.empty() ? std::string() : lines.front();
                }
            return std::string("(no cell)");
        });
    }
};

TEST_F(AnniversaryFlow, AnAnniversaryEditedFromTheMenuShowsInTheMonthGrid) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    ASSERT_EQ(namesOn(6), "創立記念日");
    test::Drive([&] {
        QMenu* tools = OnGui([&] { return window->menuBar()->findChild<QMenu*>("mnTool"); });
        ASSERT_NE(tools, nullptr);
        test::Click(OnGui([&] {
            return window->menuBar()->mapToGlobal(window->menuBar()->actionGeometry(tools->menuAction()).center());
        }));
        ASSERT_TRUE(WaitUntil([tools] { return tools->isVisible(); }));
        test::Click(OnGui([&] {
            return tools->mapToGlobal(tools->actionGeometry(tools->findChild<QAction*>("mmKinenbi")).center());
        }));
        ASSERT_TRUE(WaitUntil([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()) != nullptr; }));
        auto* setup = OnGui([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()); });
        const AnniversaryListControls& c = setup->anniversaryPage()->controls();
        ASSERT_TRUE(WaitUntil([&] { return c.edtEKinenbi->isVisible() && c.edtEKinenbi->text() == "創立記念日"; }));

        // Row 1 moves to the 7th and gets a new name.
        test::Click(test::CentreOnScreen(c.edtEDay));
        test::Keys("ctrl+a");
        test::TypeText("7");
        ASSERT_TRUE(WaitUntil([&] { return c.edtEDay->text() == "7"; }));
        test::Click(test::CentreOnScreen(c.edtEKinenbi));
        test::Keys("ctrl+a");
        test::TypeText("Open day");
        ASSERT_TRUE(WaitUntil([&] { return c.edtEKinenbi->text() == "Open day"; }));
        test::Click(test::CentreOnScreen(c.btnTenki));
        ASSERT_TRUE(WaitUntil([&] { return c.grdKinenbi->item(0, 7)->text() == "Open　day"; }));
        test::Click(test::CentreOnScreen(c.btnKoushin));
        ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));
    });
    EXPECT_EQ(namesOn(7), "Open day");
    EXPECT_EQ(namesOn(6), "");
    EXPECT_EQ(data.read("Sday.myc"), ",,12,7,,,Open\x81\x40"
                                     "day\r\n1990,,12,20,,,\x8c\x8b\x8d\xa5\x8b\x4c\x94\x4f\x93\xfa\r\n");
}

TEST_F(AnniversaryFlow, TheSettingsButtonReleasedWithCtrlAndAltRevealsTheCommemorationAdministration) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    QAction* admin = OnGui([&] { return window->menuBar()->findChild<QAction*>("mmKinenKanri"); });
    QPushButton* settings = test::PartsOf(*window).monthPage->buttons().settings;
    test::Drive([&] {
        // A plain click only opens the settings; with Ctrl and Alt held the entry shows.
        test::Click(test::CentreOnScreen(settings));
        ASSERT_TRUE(WaitUntil([&] { return !settings->isVisible(); }));
        EXPECT_FALSE(OnGui([&] { return admin->isVisible(); }));
        OnGui([&] { window->findChild<QTabWidget*>()->setCurrentIndex(0); });
        ASSERT_TRUE(WaitUntil([&] { return settings->isVisible(); }));
        test::Xdotool({"keydown", "ctrl+alt"});
        test::Click(test::CentreOnScreen(settings));
        test::Xdotool({"keyup", "ctrl+alt"});
        ASSERT_TRUE(WaitUntil([&] { return admin->isVisible(); }));
    });
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
