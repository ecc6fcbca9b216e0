// SPDX-License-Identifier: GPL-3.0-or-later
// Rekko as a process on the desktop: a second start wakes the first, two starts at once leave one, and the system's
// signals end it in order with the settings saved; an edit that cannot be saved at SIGTERM (the data folder made
// read-only) is reported on standard error with exit code 1 and rescued, and the next start shows a box about it;
// text typed into the schedule dialog when a signal comes is rescued the same way.
// Other processes and users: a runtime folder the user cannot write still keeps one instance, a fallback folder
// another user made is refused with a box, and a second program on the same data folder is told and writes nothing
// there. F1 opens the help page of the window in use.
#include "Desktop.h"
#include "FoldersUnder.h"
#include "MaintenanceDoubles.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "maintenance/SetupRun.h"
#include "platform/ui/LocalInstance.h"

#include <QDate>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <pwd.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

bool RunningInstance() {
    return LocalInstanceRegistry().exists(kMainWindowTitle);
}

// Two copies of Rekko, each in folders of its own, and this test in one runtime folder.
class Instances : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
        for (test::RekkoProcess* rekko : {&first, &second})
            rekko->setEnvironment("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
    }

    test::TempDir runtime;
    test::RekkoProcess first{REKKO_EXECUTABLE}, second{REKKO_EXECUTABLE};
};

TEST_F(Instances, ASecondStartWakesTheRunningMainWindow) {
    InstanceEndpoint running(kMainWindowTitle);
    ASSERT_TRUE(running.listening());
    QSignalSpy woken(&running, &InstanceEndpoint::woken);
    ASSERT_TRUE(second.launch());
    EXPECT_EQ(second.waitForEnd(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return woken.size() == 1; }));
    // It ended before building a window: nothing of its own was saved.
    EXPECT_FALSE(fs::exists(second.programFolder() / "Sorel.ini"));
}

// The process whose program file is the file given, found among all processes; 0 when none runs it.
pid_t ProcessRunning(const fs::path& program) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error))
        if (fs::read_symlink(entry.path() / "exe", error) == program)
            return static_cast<pid_t>(std::stol(entry.path().filename().string()));
    return 0;
}

// This test is the running program that sets itself up into a new folder: the copy started there takes over the
// wake-up endpoint once this one has given it up, and a third start wakes the new one, whose minimised window
// comes back with the focus.
TEST_F(Instances, ASetupHandsOverToTheNewInstanceWhichAThirdStartWakes) {
    test::TempDir root;
    const fs::path program = root / "app" / "Rekko", destination = root / "home" / "Vell" / "Rekko";
    fs::create_directories(root / "app");
    fs::create_directories(root / "data");
    fs::copy_file(REKKO_EXECUTABLE, program);
    fs::copy_file(fs::path(REKKO_EXECUTABLE).parent_path() / "Hday.dat", root / "app" / "Hday.dat");
    root.write("data/CaFromTo.myc", "***** FromTo\x97\x5c\x92\xe8\r\n");
    root.write("data/CaMemo.myc", "");
    const struct HomeFor {
        QByteArray kept = qgetenv("HOME");
        explicit HomeFor(const fs::path& home) { qputenv("HOME", home.c_str()); }
        ~HomeFor() { qputenv("HOME", kept); }
    } home(root / "home");
    auto old = std::make_unique<InstanceEndpoint>(kMainWindowTitle);
    ASSERT_TRUE(old->listening());

    test::CountingShell shell;
    shell.program = root / "app";
    shell.data = (root / "data").string() + "/";
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Yes, "セットアップを開始してよろしいですか？");
    dialogs.expect(DialogAnswer::Ok, "Rekko Ver3.3.3のセットアップが終了しました。");
    dialogs.expect(DialogAnswer::Ok, "現在起動中のRekkoを終了させ、");
    const test::FoldersUnder folders(root / "menus");
    DesktopEntryShortcuts shortcuts(folders);
    DetachedProgramStarter starter;
    SetupRun setup({shell, dialogs, shortcuts, starter, program, [](auto wait) { QTest::qWait(int(wait.count())); }});
    ASSERT_TRUE(setup.run({.location = destination, .mode = SetupMode::Options, .cbDataC = true}));
    EXPECT_EQ(shell.ends, 1);
    old.reset();

    const fs::path installed = destination / "Rekko";
    const pid_t newPid = ProcessRunning(installed);
    ASSERT_NE(newPid, 0);
    const struct EndedAtLast {
        fs::path program;
        ~EndedAtLast() {
            if (const pid_t left = ProcessRunning(program))
                ::kill(left, SIGKILL);
        }
    } ended{installed};
    const QString window = test::WaitForWindow(newPid, "^Rekko - Rekko -$", 30000);
    ASSERT_FALSE(window.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor(RunningInstance, 30000));
    EXPECT_FALSE(fs::exists(destination / "Sorel2Ju.$$$"));
    test::Xdotool({"windowminimize", "--sync", window});

    ASSERT_TRUE(second.launch());
    EXPECT_EQ(second.waitForEnd(), 0);
    EXPECT_TRUE(test::WaitUntilWindowActive(window, 10000));
    ::kill(newPid, SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ProcessRunning(installed) == 0; }, 20000));
    EXPECT_TRUE(fs::exists(destination / "Sorel.ini"));
}

// A second signal while the first one's end runs does not cut it short.
TEST_F(Instances, TwoStartsAtOnceLeaveOneThatEndsInOrderOnSignals) {
    ASSERT_TRUE(first.launch() && second.launch());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !first.running() || !second.running(); }, 20000));
    test::RekkoProcess& loser = first.running() ? second : first;
    test::RekkoProcess& winner = &loser == &first ? second : first;
    EXPECT_EQ(loser.waitForEnd(), 0);
    QTest::qWait(300);
    ASSERT_TRUE(winner.running());
    ASSERT_TRUE(QTest::qWaitFor(RunningInstance, 20000));

    winner.signal(SIGHUP);
    EXPECT_EQ(winner.terminate(), 0);
    const std::string settings = test::ReadFile(winner.programFolder() / "Sorel.ini");
    EXPECT_TRUE(settings.starts_with("[Settei]\r\ncbJigen=1\r\n")) << settings;
    EXPECT_NE(settings.find("\r\ncbNoReturn=0\r\n"), std::string::npos);
    EXPECT_FALSE(RunningInstance());
}

TEST(RescueOnTheDesktop, AnEditThatCannotBeSavedOnSigtermIsReportedRescuedAndAnnounced) {
    test::RekkoProcess rekko(REKKO_EXECUTABLE);
    const fs::path data = rekko.dataFolder(), rescue = rekko.home() / ".local/share/Rekko/rescue";
    const QDate today = QDate::currentDate();
    const std::string month = QString::asprintf("Ca%.4d%.2d.myc", today.year(), today.month()).toStdString();
    std::ofstream(data / month, std::ios::binary)
        << QString::asprintf(" 0,0,9,%4d/%2d\r\n 2,1,,old,,,,,,\r\n", today.year(), today.month()).toStdString();
    std::ofstream(rekko.programFolder() / "Sorel.ini", std::ios::binary)
        << "[Settei]\r\nedFolder=" << data.string() << "/\r\n";
    rekko.runAsNobodyUnderRoot();
    ASSERT_TRUE(rekko.start());
    ASSERT_TRUE(rekko.writeLineOnThe1st("rescue-e2e"));

    fs::permissions(data, fs::perms(0555));
    EXPECT_EQ(rekko.terminate(), 1);
    fs::permissions(data, fs::perms(0755));
    const std::string err = rekko.errors().toStdString();
    EXPECT_NE(err.find((data / month).string() + ": "), std::string::npos) << err;
    EXPECT_NE(err.find(rescue.string() + "/"), std::string::npos) << err;
    EXPECT_EQ(test::ReadFile(data / month).find("rescue-e2e"), std::string::npos);
    std::vector<fs::path> copies;
    for (const auto& entry : fs::recursive_directory_iterator(rescue))
        if (entry.path().filename() == month)
            copies.push_back(entry.path());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(test::ReadFile(copies[0]).find(" 1,1,,rescue-e2e,"), std::string::npos);

    // The next start shows the box before anything else, and only once.
    ASSERT_TRUE(fs::exists(rescue / "unreported.txt"));
    ASSERT_TRUE(rekko.launch());
    EXPECT_FALSE(test::WaitForWindow(rekko.pid(), "^確認 -Rekko-$").isEmpty()) << rekko.errors().toStdString();
    EXPECT_TRUE(test::FindWindows(rekko.pid(), "^Rekko - Rekko -$").isEmpty());
    EXPECT_FALSE(fs::exists(rescue / "unreported.txt"));
    EXPECT_EQ(rekko.terminate(), 0);
}

// Typed into the schedule dialog when a signal ends the program: nothing goes into the data, the day's lines are kept
// in a private rescue folder, and the next start tells where.
TEST(RescueOnTheDesktop, TextTypedInTheScheduleDialogAtASignalIsRescuedNotWritten) {
    test::RekkoProcess rekko(REKKO_EXECUTABLE);
    const fs::path data = rekko.dataFolder(), rescue = rekko.home() / ".local/share/Rekko/rescue";
    const QDate today = QDate::currentDate();
    const std::string month = QString::asprintf("Ca%.4d%.2d.myc", today.year(), today.month()).toStdString();
    ASSERT_TRUE(rekko.start());
    ASSERT_TRUE(rekko.typeLineOnThe1st("typed-at-signal"));
    QTest::qWait(500); // the keys reach the dialog before the signal does
    rekko.signal(SIGHUP);
    EXPECT_EQ(rekko.waitForEnd(), 1);
    const std::string err = rekko.errors().toStdString();
    EXPECT_NE(err.find((data / month).string() + ": 予定の入力を書き込まないまま終了しました"), std::string::npos)
        << err;
    EXPECT_FALSE(fs::exists(data / month));
    std::vector<fs::path> copies;
    for (const auto& entry : fs::recursive_directory_iterator(rescue))
        if (entry.path().filename() == month + ".txt")
            copies.push_back(entry.path());
    ASSERT_EQ(copies.size(), 1u) << err;
    EXPECT_EQ(test::ReadFile(copies[0]), " 1,1,,typed-at-signal,,,,,,\n");
    for (const fs::path& folder : {rescue, copies[0].parent_path()})
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all) << folder;
    EXPECT_EQ(fs::status(copies[0]).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_TRUE(rekko.launch());
    EXPECT_FALSE(test::WaitForWindow(rekko.pid(), "^確認 -Rekko-$").isEmpty()) << rekko.errors().toStdString();
    EXPECT_FALSE(fs::exists(rescue / "unreported.txt"));
    EXPECT_EQ(rekko.terminate(), 0);
}

// The name and bytes of every file of a folder.
std::map<std::string, std::string> FilesOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = test::ReadFile(entry.path());
    return files;
}

// Answers the box of a process with Return once it shows and has the focus.
void AnswerBox(const test::RekkoProcess& rekko) {
    const QString box = test::WaitForWindow(rekko.pid(), "^確認 -Rekko-$");
    ASSERT_FALSE(box.isEmpty());
    ASSERT_TRUE(test::WaitUntilWindowActive(box));
    test::Keys("Return");
}

// The fallback runtime folder of the user nobody, removed before and after each test.
class AsNobody : public ::testing::Test {
protected:
    void SetUp() override {
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() != 0 || !nobody)
            GTEST_SKIP() << "needs root and the user nobody to run the program as another user";
        fallback = "/tmp/rekko-" + std::to_string(nobody->pw_uid);
        fs::remove_all(fallback);
    }
    void TearDown() override {
        if (!fallback.empty())
            fs::remove_all(fallback);
    }

    fs::path fallback;
};

// The runtime folder of another user, as su or sudo -u leave it: the fallback folder takes its place, so the second
// start wakes the first instead of opening a second window on the same data.
TEST_F(AsNobody, ARuntimeFolderTheUserCannotWriteStillKeepsOneInstance) {
    test::TempDir inherited;
    test::RekkoProcess first(REKKO_EXECUTABLE), second(REKKO_EXECUTABLE);
    for (test::RekkoProcess* rekko : {&first, &second}) {
        rekko->setEnvironment("XDG_RUNTIME_DIR", QString::fromStdString(inherited.path().string()));
        rekko->runAsNobodyUnderRoot();
    }
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(second.launch());
    EXPECT_EQ(second.waitForEnd(), 0);
    EXPECT_TRUE(fs::exists(fallback / "Rekko - Rekko -"));
    EXPECT_EQ(first.terminate(), 0);
}

// A fallback folder made first by another user (root here) is refused with a box, and no endpoint is made anywhere
// else; the program runs.
TEST_F(AsNobody, AFallbackFolderMadeByAnotherUserIsRefusedWithABox) {
    fs::create_directory(fallback);
    fs::permissions(fallback, fs::perms::all);
    test::RekkoProcess rekko(REKKO_EXECUTABLE);
    rekko.setEnvironment("XDG_RUNTIME_DIR", "");
    rekko.runAsNobodyUnderRoot();
    ASSERT_TRUE(rekko.launch());
    AnswerBox(rekko);
    ASSERT_TRUE(rekko.waitForMainWindow());
    EXPECT_TRUE(fs::is_empty(fallback));
    EXPECT_FALSE(fs::exists(fs::temp_directory_path() / "Rekko - Rekko -"));
    EXPECT_EQ(rekko.terminate(), 0);
}

// Two programs with folders of their own on one data folder: the second is told, and what it edits is not written
// there; the first one's files keep their bytes.
TEST(DataFolderOnTheDesktop, ASecondProgramOnTheSameDataFolderIsToldAndWritesNothingThere) {
    test::RekkoProcess first(REKKO_EXECUTABLE), second(REKKO_EXECUTABLE);
    const fs::path data = first.dataFolder();
    // The first one holds the hotkeys.
    std::ofstream(second.programFolder() / "Sorel.ini", std::ios::binary)
        << "[Settei]\r\ncbHotkey=0\r\nedFolder=" << data.string() << "/\r\n";
    ASSERT_TRUE(first.start());
    const auto before = FilesOf(data);
    ASSERT_TRUE(second.launch());
    AnswerBox(second);
    ASSERT_TRUE(second.waitForMainWindow());
    ASSERT_TRUE(second.writeLineOnThe1st("second"));
    EXPECT_EQ(second.terminate(), 1);
    const std::string err = second.errors().toStdString();
    EXPECT_NE(err.find(data.string() + "/は他の Rekko が使用中です。"), std::string::npos) << err;
    EXPECT_EQ(FilesOf(data), before);
    EXPECT_EQ(first.terminate(), 0);
}

// F1 opens the help page of the window in use with the desktop's browser (xdg-open, here a stand-in that notes what
// it was given): the month page of the main window, then the day page of the schedule dialog.
TEST(HelpOnTheDesktop, F1OpensThePageOfTheWindowInUse) {
    test::RekkoProcess rekko(REKKO_EXECUTABLE);
    const test::TempDir bin;
    const fs::path opened = bin / "opened";
    bin.write("xdg-open", "#!/bin/sh\necho \"$1\" >> '" + opened.string() + "'\n");
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    rekko.setEnvironment("PATH", QString::fromStdString(bin.path().string()) + ":" + qEnvironmentVariable("PATH"));
    const std::string help = "file://" + rekko.programFolder().string() + "/help/";
    const auto openedPages = [&](const std::string& pages) {
        return QTest::qWaitFor([&] { return fs::exists(opened) && test::ReadFile(opened) == pages; }, 5000);
    };
    ASSERT_TRUE(rekko.start());
    test::Keys("F1");
    EXPECT_TRUE(openedPages(help + "main.html#month\n")) << (fs::exists(opened) ? test::ReadFile(opened) : "");
    ASSERT_TRUE(rekko.typeLineOnThe1st("x"));
    test::Keys("F1");
    EXPECT_TRUE(openedPages(help + "main.html#month\n" + help + "schedule.html#day\n")) << test::ReadFile(opened);
    test::Keys("ctrl+Return");
    EXPECT_TRUE(test::WaitUntilWindowActive(rekko.mainWindow()));
    EXPECT_EQ(rekko.terminate(), 0);
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
