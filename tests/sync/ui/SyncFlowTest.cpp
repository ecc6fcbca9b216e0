// SPDX-License-Identifier: GPL-3.0-or-later
// The sync in the main window as the X11 desktop delivers input: the page "同期" filled from the keyboard, the
// indicator's click and the menu command, an edit made while a sync runs, and a desktop without a secret service.
#include "Desktop.h"
#include "RecordedBoxes.h"
#include "SampleWindow.h"
#include "ScriptedSync.h"
#include "WindowParts.h"

#include "schedule/ui/ScheduleDialog.h"
#include "sync/ui/SyncIndicator.h"

#include <QApplication>
#include <QTest>

#include <fstream>
#include <future>
#include <gtest/gtest.h>

namespace rekko {
namespace {

using test::Drive;
using test::OnGui;
using test::WaitUntil;

class SyncFlow : public ::testing::Test, protected test::WindowFolders<test::RecordedBoxes> {
protected:
    SyncFlow() : WindowFolders(EncodeDateTime({2026, 12, 6}, {9, 0, 0})) { test::CopySampleData(data.path()); }
    void TearDown() override { window.reset(); }

    void begin(SecretStore& store, const std::string& syncSection = "") {
        writeSettings("");
        if (!syncSection.empty())
            program.write("Sorel.ini", program.read("Sorel.ini") + "[Sync]\r\n" + syncSection);
        window = std::make_unique<MainWindow>(controller, dialogs, std::function<void(bool)>{}, NullShellPorts(),
                                              SyncPorts{store, sync.services()});
        dialogs.setParentWindow(window.get());
        ASSERT_TRUE(window->start({}, programs.path()));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // From the script: opens the settings page on its sub-page "同期".
    SyncSettingsPage* openSyncPage() {
        test::Click(test::CentreOnScreen(test::PartsOf(*window).monthPage->buttons().settings));
        EXPECT_TRUE(WaitUntil([&] { return test::PartsOf(*window).pages->currentWidget() == settingsPage(); }));
        SyncSettingsPage* page = OnGui([&] { return settingsPage()->sync(); });
        auto* tabs = OnGui([&] { return settingsPage()->findChild<QTabWidget*>(); });
        test::Click(
            OnGui([&] { return tabs->tabBar()->mapToGlobal(tabs->tabBar()->tabRect(tabs->indexOf(page)).center()); }));
        EXPECT_TRUE(WaitUntil([&] { return tabs->currentWidget() == page; }));
        return page;
    }
    SettingsPage* settingsPage() const { return test::PartsOf(*window).settingsPage; }
    SyncIndicator* indicator() const { return window->findChild<SyncIndicator*>(); }
    QString indicatorText() const {
        return OnGui([&] { return indicator()->text(); });
    }
    // The lines the window holds for December 2026, its second month.
    std::vector<std::string> december() {
        return OnGui([&] { return controller.book().lines(1); });
    }
    static bool holds(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    test::ScriptedSync sync;
};

TEST_F(SyncFlow, ThePageIsFilledFromTheKeyboardAndTheIndicatorShowsEachSync) {
    test::MemorySecrets secrets;
    begin(secrets);
    EXPECT_EQ(indicatorText(), QString("同期"));
    Drive([&] {
        SyncSettingsPage* page = openSyncPage();
        const SyncPageControls c = OnGui([&] { return page->controls(); });
        test::Click(test::CentreOnScreen(c.edtServer));
        test::TypeText("https://cal.example/dav/");
        test::Keys("Tab");
        test::TypeText("hanako");
        test::Keys("Tab");
        test::TypeText("pass word");
        test::Keys("Tab");
        ASSERT_TRUE(WaitUntil([&] { return c.edtPassword->placeholderText() == QString("（保存済み）"); }));
        EXPECT_EQ(secrets.lookup("https://cal.example/dav/", "hanako").value(),
                  std::optional<std::string>("pass word"));

        test::Keys("alt+l"); // 一覧を取得
        ASSERT_TRUE(WaitUntil([&] { return c.cbCalendar->count() == 2; }));
        EXPECT_EQ(OnGui([&] { return c.cbCalendar->currentText(); }), QString("ホーム"));
        test::Keys("alt+c Down");
        ASSERT_TRUE(WaitUntil([&] { return c.cbCalendar->currentText() == QString("仕事"); }));
        test::Keys("alt+i ctrl+a");
        test::TypeText("15");
        ASSERT_TRUE(WaitUntil([&] { return window->findChild<QTimer*>("tmDouki")->interval() == 15 * 60 * 1000; }));
        test::Keys("alt+k"); // trust the self-signed server: its key is fetched and shown
        ASSERT_TRUE(WaitUntil([&] { return c.lblKey->text().contains("sha256//scriptedKeyPin="); }));
    });
    const std::string ini = program.read("Sorel.ini");
    EXPECT_NE(ini.find("[Sync]\r\nServer=https://cal.example/dav/\r\nUser=hanako\r\nCalendar=/dav/hanako/work/\r\n"
                       "Interval=15\r\nTrustedKeys=https://cal.example/dav/ sha256//scriptedKeyPin=\r\n"),
              std::string::npos)
        << ini;
    EXPECT_EQ(ini.find("pass word"), std::string::npos);
    EXPECT_EQ(sync.accounts().back().password, "pass word");

    // A sync held on the worker while a line is written on the 5th; it then writes a line of its own on the 24th.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    sync.expect({.sent = 3, .received = 1}, [&, released](const SyncRequest& request) {
        released.wait();
        std::ofstream(request.files.monthFile(2026, 12), std::ios::binary | std::ios::app)
            << "24,1,,\x83\x4e\x83\x8a\x83\x58\x83\x7d\x83\x58,,,,,,\r\n"; // クリスマス
    });
    Drive([&] {
        test::Click(test::CentreOnScreen(indicator()));
        ASSERT_TRUE(WaitUntil([&] { return indicatorText() == QString("同期中…"); }));
        test::Click(OnGui([&] {
            QTabBar* tabs = test::PartsOf(*window).pages->tabBar();
            return tabs->mapToGlobal(tabs->tabRect(0).center());
        }));
        ASSERT_TRUE(WaitUntil([&] { return test::PartsOf(*window).pages->currentIndex() == 0; }));
        test::Keys("ctrl+l");
        test::TypeText("5");
        test::Keys("Return");
        ASSERT_TRUE(WaitUntil([] { return qobject_cast<ScheduleDialog*>(QApplication::activeModalWidget()); }));
        test::TypeText("uchiawase");
        test::Keys("ctrl+Return");
        ASSERT_TRUE(WaitUntil([&] { return holds(december(), " 5,1,,uchiawase,,,,,,"); }));
        EXPECT_EQ(indicatorText(), QString("同期中…"));
        release.set_value();
        ASSERT_TRUE(WaitUntil([&] { return indicatorText() == QString("送信 3・受信 1"); }));
        // The sync's line and the edit made meanwhile are both in the window and in the file.
        ASSERT_TRUE(WaitUntil([&] { return holds(december(), "24,1,,クリスマス,,,,,,"); }));
        EXPECT_TRUE(holds(december(), " 5,1,,uchiawase,,,,,,"));
    });
    const std::string file = data.read("Ca202612.myc");
    EXPECT_NE(file.find(" 5,1,,uchiawase,,,,,,\r\n"), std::string::npos);
    EXPECT_NE(file.find("\x83\x4e\x83\x8a\x83\x58\x83\x7d\x83\x58"), std::string::npos);

    // The menu command syncs again; a failure shows in red.
    sync.expect({.fault = ServerFault::Unauthorized, .message = "401", .failed = true});
    Drive([&] {
        OnGui([&] { test::PartsOf(*window).menus->actions().syncNow->trigger(); });
        ASSERT_TRUE(WaitUntil([&] { return indicatorText() == QString("⚠ 同期できません：401"); }));
    });
    EXPECT_EQ(sync.calls().size(), 2u);
    EXPECT_EQ(sync.calls()[1].request.calendar, "/dav/hanako/work/");
    EXPECT_TRUE(OnGui([&] { return indicator()->styleSheet().contains("#c00000"); }));
}

TEST_F(SyncFlow, WithoutASecretServiceThePageSaysSoAndTheFileNeverHoldsThePassword) {
    NoSecretStore none;
    begin(none, "Server=https://cal.example/\r\nUser=hanako\r\nCalendar=/cal/\r\n");
    Drive([&] {
        SyncSettingsPage* page = openSyncPage();
        const SyncPageControls c = OnGui([&] { return page->controls(); });
        EXPECT_EQ(OnGui([&] { return c.lblPassword->text(); }), QString::fromUtf8(kPasswordNotStoredNote));
        test::Keys("alt+p");
        test::TypeText("only-now");
        ASSERT_TRUE(WaitUntil([&] { return c.edtPassword->text() == QString("only-now"); }));
        // The password typed serves the syncs of this run, even one the indicator starts while the field has the focus.
        sync.expect({.sent = 1});
        test::Click(test::CentreOnScreen(indicator()));
        ASSERT_TRUE(WaitUntil([&] { return indicatorText() == QString("送信 1・受信 0"); }));
        test::Keys("Tab");
        ASSERT_TRUE(WaitUntil([&] { return c.edtPassword->placeholderText() == QString("（終了まで有効）"); }));
        EXPECT_EQ(OnGui([&] { return c.lblPassword->text(); }), QString::fromUtf8(kPasswordNotStoredNote));
    });
    EXPECT_EQ(sync.calls().at(0).account.password, "only-now");
    ASSERT_TRUE(OnGui([&] { return window->close(); }));
    EXPECT_EQ(program.read("Sorel.ini").find("only-now"), std::string::npos);
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
