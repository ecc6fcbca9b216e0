// SPDX-License-Identifier: GPL-3.0-or-later
// A backup, a restore and a month workbook from the main window's menus, as the X11 desktop delivers input (Xvfb,
// openbox, xdotool); the workbook is shown by the program the desktop's file associations name, through xdg-open.
#include "Desktop.h"
#include "RecordedBoxes.h"
#include "SampleWindow.h"

#include "app/StartStopRecord.h"
#include "app/ui/MainWindow.h"
#include "maintenance/OfficeWorkbook.h"
#include "maintenance/ui/SetupWindow.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace rekko {
namespace {

using test::Drive;
using test::OnGui;
using test::WaitUntil;

class BackupFlow : public ::testing::Test, protected test::WindowFolders<test::RecordedBoxes> {
protected:
    BackupFlow() : WindowFolders(EncodeDateTime({2026, 12, 6}, {9, 0, 0})) { test::CopySampleData(data.path()); }
    void TearDown() override { window.reset(); }

    // Starts the window made and waits until it has the focus.
    void startWindow() {
        dialogs.setParentWindow(window.get());
        ASSERT_TRUE(window->start({}, programs.path()));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Opens an entry of a menu with the mouse (バックアップ of ファイル unless named) and waits for the maintenance
    // window.
    void openPage(const char* menuName = "mnFile", const char* entryName = "mmBackup") {
        QMenu* file = OnGui([&] { return window->menuBar()->findChild<QMenu*>(menuName); });
        test::Click(OnGui([&] {
            return window->menuBar()->mapToGlobal(window->menuBar()->actionGeometry(file->menuAction()).center());
        }));
        ASSERT_TRUE(WaitUntil([file] { return file->isVisible(); }));
        test::Click(OnGui(
            [&] { return file->mapToGlobal(file->actionGeometry(file->findChild<QAction*>(entryName)).center()); }));
        ASSERT_TRUE(WaitUntil([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()) != nullptr; }));
    }

    test::TempDir target;
};

constexpr const char* kRestoreWarning =
    "データ回復作業を行いますと、現在のデータは消去されてしまいます。\r\n\r\nデータ回復作業を行いますか？";

TEST_F(BackupFlow, TheMenuOpensTheBackupPageAndABackupCopiesTheDataAndNotesIt) {
    writeSettings("");
    program.write("Sorel.ini", program.read("Sorel.ini") + "[Setup]\r\nedtCopy1=" + target.path().string() + "/\r\n");
    window = std::make_unique<MainWindow>(controller, dialogs);
    ASSERT_NO_FATAL_FAILURE(startWindow());
    Drive([&] {
        openPage();
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

TEST_F(BackupFlow, ARestoreEndsTheProgramWithOneStopRecordAndWithoutSaveAll) {
    target.write("Ca202612.myc", "6,1,,restored\r\n");
    program.write("SorelSte.myd", "S:2026/12/05 8:00:00\r\nE:2026/12/05 18:00:00\r\n");
    writeSettings("cbKidouKiroku=1\r\n");
    program.write("Sorel.ini", program.read("Sorel.ini") + "[Setup]\r\nedtCopy3=" + target.path().string() + "/\r\n");
    StartStopRecord record{program / "SorelSte.myd", clock, dialogs};
    window = std::make_unique<MainWindow>(controller, dialogs, std::function<void(bool)>{},
                                          ShellPorts{record, NullShellPorts().hotkeys, NullShellPorts().folderLock});
    QSignalSpy ended(window.get(), &MainWindow::ended);
    ASSERT_NO_FATAL_FAILURE(startWindow());
    Drive([&] {
        openPage();
        auto* setup = OnGui([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()); });
        const CopyPageControls& c = setup->copyPage()->controls();
        test::Click(OnGui([&] {
            QTabBar* tabs = setup->copyPage()->tabBar();
            return tabs->mapToGlobal(tabs->tabRect(setup->copyPage()->indexOf(c.restore)).center());
        }));
        ASSERT_TRUE(WaitUntil([&] { return c.btnKaifukuOn->isVisible(); }));
        EXPECT_FALSE(OnGui([&] { return c.btnKaifukuGo->isEnabled(); }));
        test::Click(test::CentreOnScreen(c.btnKaifukuOn));
        ASSERT_TRUE(WaitUntil([&] { return dialogs.showed(kRestoreWarning); }));
        ASSERT_TRUE(test::WaitUntilModalActive());
        test::Keys("y");
        ASSERT_TRUE(WaitUntil([&] { return c.btnKaifukuGo->isEnabled(); }));
        test::Click(test::CentreOnScreen(c.btnKaifukuGo));
        ASSERT_TRUE(WaitUntil([&] { return dialogs.showed("データ回復を行いますか？"); }));
        ASSERT_TRUE(test::WaitUntilModalActive());
        test::Keys("y");
        // The overwrite question of the month file, then the end of the restore.
        for (const std::string& box : {std::string("「Ca202612.myc」は既に存在します。\r\n上書きしますか？"),
                                       std::string(kRestoreDone) + kRestoreEnds}) {
            ASSERT_TRUE(WaitUntil([&] { return dialogs.showed(box); }));
            ASSERT_TRUE(test::WaitUntilModalActive());
            test::Keys("Return");
        }
        ASSERT_TRUE(WaitUntil([&] { return ended.count() == 1; }));
    });
    EXPECT_EQ(ended.takeFirst().at(0).toInt(), 0);
    EXPECT_TRUE(dialogs.showed(std::string(kRestoreDone) + kRestoreEnds));
    EXPECT_EQ(data.read("Ca202612.myc"), "6,1,,restored\r\n");
    EXPECT_EQ(program.read("SorelSte.myd"),
              "S:2026/12/05 8:00:00\r\nE:2026/12/05 18:00:00\r\nS:2026/12/06 9:00:00\r\nE:2026/12/06 9:00:00\r\n");
}

// Points the desktop's file associations at a program that notes the file it is given, as a spreadsheet program
// registered for workbooks would be started.
class SpreadsheetAssociation {
public:
    SpreadsheetAssociation() {
        const std::string type = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
        ::chmod(home.write("calc", "#!/bin/sh\necho \"$1\" > \"${0%/*}/shown.tmp\" && mv \"${0%/*}/shown.tmp\" "
                                   "\"${0%/*}/shown\"\n")
                    .c_str(),
                0755);
        std::filesystem::create_directories(home / "applications");
        home.write("applications/calc.desktop", "[Desktop Entry]\nType=Application\nName=Calc\nExec=" +
                                                    (home / "calc").string() + " %f\nMimeType=" + type + ";\n");
        home.write("mimeapps.list", "[Default Applications]\n" + type + "=calc.desktop\n");
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"})
            if (const char* value = std::getenv(name))
                m_saved.emplace_back(name, value);
        ::setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", home.path().c_str(), 1);
        ::setenv("XDG_DATA_DIRS", (home / "none").c_str(), 1);
        ::unsetenv("XDG_CURRENT_DESKTOP");
    }
    ~SpreadsheetAssociation() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
            ::unsetenv(name);
        for (const auto& [name, value] : m_saved)
            ::setenv(name.c_str(), value.c_str(), 1);
    }

    test::TempDir home;

private:
    std::vector<std::pair<std::string, std::string>> m_saved;
};

TEST_F(BackupFlow, TheWorkbookButtonWritesTheShownMonthAndShowsItInTheSpreadsheetProgram) {
    const SpreadsheetAssociation desktop;
    writeSettings("");
    window = std::make_unique<MainWindow>(controller, dialogs);
    ASSERT_NO_FATAL_FAILURE(startWindow());
    Drive([&] {
        openPage("mnTool", "mmExcel");
        auto* setup = OnGui([] { return qobject_cast<SetupWindow*>(QApplication::activeModalWidget()); });
        const ExcelPageControls& x = setup->excelPage()->controls();
        ASSERT_TRUE(WaitUntil([&] { return x.btnExSakusei->isVisible(); }));
        EXPECT_EQ(OnGui([&] { return x.btnExSakusei->text(); }), QString("エクセルカレンダ\nプレビュー"));
        test::Click(test::CentreOnScreen(x.btnExSakusei));
        ASSERT_TRUE(WaitUntil([&] { return dialogs.showed(kPreviewWarning); }));
        ASSERT_TRUE(test::WaitUntilModalActive());
        test::Keys("Return");
        ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(desktop.home / "shown"); }, 10000));
        EXPECT_EQ(
            OnGui([&] { return setup->statusBar()->currentMessage(); }),
            QString("「%1」を作成しました。").arg(QString::fromStdString((program / kMonthWorkbookName).string())));
        // Without the preview the button only writes the workbook, and says so.
        test::Click(test::OnScreen(x.cbExPreview, QPoint(10, OnGui([&] { return x.cbExPreview->height() / 2; }))));
        ASSERT_TRUE(WaitUntil([&] { return x.btnExSakusei->text() == QString("エクセルカレンダ\n作成"); }));
        test::Click(test::CentreOnScreen(setup->closeButton()));
        ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));
    });
    EXPECT_EQ(desktop.home.read("shown"), (program / kMonthWorkbookName).string() + "\n");
    OfficeWorkbook written;
    ASSERT_TRUE(written.open(program / kMonthWorkbookName));
    EXPECT_EQ(written.sheetName(), "2026年12月");
    EXPECT_NE(program.read("Sorel.ini").find("cbExPreview=0\r\n"), std::string::npos);
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
