// SPDX-License-Identifier: GPL-3.0-or-later
// A backup from the main window's menu, as the X11 desktop delivers input (Xvfb, openbox, xdotool).
#include "Desktop.h"
#include "RecordedBoxes.h"
#include "SampleWindow.h"

#include "app/ui/MainWindow.h"
#include "maintenance/ui/SetupWindow.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace rekko {
namespace {

using test::Drive;
using test::OnGui;
using test::WaitUntil;

class BackupFlow : public ::testing::Test, protected test::WindowFolders<test::RecordedBoxes> {
protected:
    BackupFlow() : WindowFolders(EncodeDateTime({2026, 12, 6}, {9, 0, 0})) { test::CopySampleData(data.path()); }
    void TearDown() override { window.reset(); }

    test::TempDir target;
};

TEST_F(BackupFlow, TheMenuOpensTheBackupPageAndABackupCopiesTheDataAndNotesIt) {
    writeSettings("");
    program.write("Sorel.ini", program.read("Sorel.ini") + "[Setup]\r\nedtCopy1=" + target.path().string() + "/\r\n");
    window = std::make_unique<MainWindow>(controller, dialogs);
    dialogs.setParentWindow(window.get());
    ASSERT_TRUE(window->start({}, programs.path()));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Drive([&] {
        QMenu* file = OnGui([&] { return window->menuBar()->findChild<QMenu*>("mnFile"); });
        ASSERT_NE(file, nullptr);
        test::Click(OnGui([&] {
            return window->menuBar()->mapToGlobal(window->menuBar()->actionGeometry(file->menuAction()).center());
        }));
        ASSERT_TRUE(WaitUntil([file] { return file->isVisible(); }));
        test::Click(OnGui(
            [&] { return file->mapToGlobal(file->actionGeometry(file->findChild<QAction*>("mmBackup")).center()); }));
        ASSERT_TRUE(WaitUntil([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()) != nullptr; }));
        auto* setup = OnGui([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()); });
        const CopyPageControls& c = setup->copyPage()->controls();
        EXPECT_TRUE(OnGui([&] { return c.backup->isVisible() && !c.restore->isVisible(); }));
        EXPECT_EQ(OnGui([&] { return c.edtCopy[0]->text(); }), QString::fromStdString(target.path().string() + "/"));

        test::Click(test::CentreOnScreen(c.btnCopyGo[0]));
        ASSERT_TRUE(WaitUntil([&] { return dialogs.showed("データ退避作業を終了しました。"); }));
        ASSERT_TRUE(test::WaitUntilModalActive());
        test::Keys("Return");
        ASSERT_TRUE(WaitUntil([&] { return c.lblCopy[0]->text() == QString("令和8年12月6日(日) 09:00 退避"); }));
        test::Click(test::CentreOnScreen(setup->closeButton()));
        ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));
    });
    EXPECT_EQ(target.read("Ca202612.myc"), data.read("Ca202612.myc"));
    EXPECT_EQ(target.read("CaMemo.myc"), data.read("CaMemo.myc"));
    EXPECT_EQ(target.read("Sorel.ini").substr(0, 9), "[Settei]\r");
    EXPECT_NE(program.read("Sorel.ini").find("lblCopy1=\x97\xdf\x98\x61"),
              std::string::npos); // "令和" in code page 932
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
