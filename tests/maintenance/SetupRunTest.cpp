// SPDX-License-Identifier: GPL-3.0-or-later
// The setup on real folders: every refusal leaves things as they were, a new setup installs the files and the
// chosen shortcuts and hands over to the program started there, an overwrite keeps the shortcuts, data and templates.
#include "maintenance/SetupRun.h"

#include "FoldersUnder.h"
#include "MaintenanceDoubles.h"
#include "RecordingStarter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "base/TextFile.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

constexpr const char* kStart = "セットアップを開始してよろしいですか？";

// A program folder with its files, the data beside it, shortcuts under a home folder and the doubles.
struct SetupBench {
    test::TempDir root;
    test::FoldersUnder folders{root / "home"};
    DesktopEntryShortcuts shortcuts{folders};
    test::CountingShell shell;
    test::ScriptedDialogs dialogs;
    test::RecordingStarter starter;
    std::vector<bool> markerDuringWait;
    fs::path destination = root / "home" / "Vell" / "Rekko";

    SetupBench() {
        fs::create_directories(root / "app" / "help");
        for (const char* name : {"Rekko", "Hday.dat", "CaSima.dat", "ReadMe.txt", "Sorxl.xlsx", "CaFirst.dat",
                                 "help/index.html", "Ca202701.myc"})
            root.write(std::string("app/") + name, std::string("new ") + name);
        shell.program = root / "app";
    }
    SetupRun run(const fs::path& program) {
        return SetupRun({shell, dialogs, shortcuts, starter, program, [this](std::chrono::milliseconds) {
                             markerDuringWait.push_back(fs::exists(destination / "Sorel2Ju.$$$"));
                         }});
    }
    SetupRun run() { return run(root / "app" / "Rekko"); }
    bool refused(const SetupChoice& choice, const std::string& message) {
        dialogs.expect(DialogAnswer::Yes, kStart);
        dialogs.expect(DialogAnswer::Ok, message);
        return !run().run(choice) && starter.starts.empty() && shell.ends == 0;
    }
    void expectHandOver() {
        dialogs.expect(DialogAnswer::Ok, "Rekko Ver3.3.3のセットアップが終了しました。");
        dialogs.expect(DialogAnswer::Ok, "現在起動中のRekkoを終了させ、\r\nセットアップしたRekkoを起動させます。");
    }
};

TEST(SetupRun, IntoTheProgramFolderOrOverAnotherInstallIsRefused) {
    SetupBench b;
    EXPECT_TRUE(b.refused({.location = b.root / "app"}, "受け手と送り手のフォルダーが同じです。"));
    EXPECT_TRUE(b.refused({.location = b.root / "app" / "sub"}, "受け手と送り手のフォルダーが同じです。"));
    EXPECT_FALSE(fs::exists(b.root / "app" / "sub"));
    EXPECT_TRUE(b.refused({.location = b.destination, .mode = SetupMode::Overwrite},
                          "指定されたフォルダーに、Rekko が存在しません。\r\n上書きセットアップを中止します。"));
    fs::create_directories(b.destination);
    b.root.write("home/Vell/Rekko/Rekko", "old");
    EXPECT_TRUE(b.refused({.location = b.destination}, "指定されたフォルダーに、Rekko が存在します。"));
    EXPECT_EQ(b.root.read("home/Vell/Rekko/Rekko"), "old");

    b.shell.retrieving = true;
    EXPECT_TRUE(b.refused({.location = b.root / "x"}, "時刻取得中です。現在はセットアップできません。"));
    b.shell.retrieving = false;
    b.shell.busy = true;
    EXPECT_TRUE(
        b.refused({.location = b.root / "x"}, "今はセットアップできません。\r\nもう少し後、終了させてください。"));
    b.shell.busy = false;
    // procfs stands for a read-only file system, which binds root too.
    b.dialogs.expect(DialogAnswer::Yes, kStart);
    b.dialogs.expect(DialogAnswer::Ok, "セットアップフォルダを作成できません。");
    EXPECT_FALSE(b.run().run({.location = "/proc/Vell/Rekko"}));
    EXPECT_EQ(b.dialogs.shown().back().caption, "エラー");
    // A packaged install is the package manager's.
    fs::create_directories(b.root / "usr" / "share" / "rekko");
    fs::create_directories(b.root / "usr" / "bin");
    b.root.write("usr/bin/Rekko", "packaged");
    b.dialogs.expect(DialogAnswer::Yes, kStart);
    b.dialogs.expect(DialogAnswer::Ok, "パッケージでインストールされたRekkoは、");
    EXPECT_FALSE(b.run(b.root / "usr" / "bin" / "Rekko").run({.location = b.root / "x"}));
    fs::remove(b.root / "app" / "Hday.dat");
    EXPECT_TRUE(b.refused({.location = b.root / "x"}, (b.root / "app" / "").string() + "Hday.dat が存在しません。"));
    b.dialogs.expect(DialogAnswer::No, kStart);
    b.dialogs.expect(DialogAnswer::Ok, "中止します。");
    EXPECT_FALSE(b.run().run({.location = b.root / "x"}));
    EXPECT_FALSE(fs::exists(b.root / "x"));
}

TEST(SetupRun, ANewSetupInstallsTheFilesAndShortcutsThenHandsOver) {
    SetupBench b;
    ASSERT_TRUE(b.shortcuts.create(ShortcutFolder::Desktop, kShortcutName, b.root / "app" / "Rekko"));
    b.dialogs.expect(DialogAnswer::Yes, kStart);
    b.expectHandOver();
    ASSERT_TRUE(b.run().run({.location = b.destination}));

    for (const char* name :
         {"Rekko", "Hday.dat", "CaSima.dat", "ReadMe.txt", "Sorxl.xlsx", "CaFirst.dat", "help/index.html"})
        EXPECT_EQ(b.root.read(std::string("home/Vell/Rekko/") + name), std::string("new ") + name);
    EXPECT_FALSE(fs::exists(b.destination / "Ca202701.myc"));
    // The defaults: automatic start and the start menu; the old desktop shortcut is gone.
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Startup, kShortcutName), ShortcutState::Ours);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::StartMenu, kShortcutName), ShortcutState::Ours);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Desktop, kShortcutName), ShortcutState::Absent);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Programs, kShortcutName), ShortcutState::Absent);
    EXPECT_EQ(b.root.read("home/autostart/Rekko.desktop"),
              DesktopEntryText(ShortcutFolder::Startup, b.destination / "Rekko"));

    ASSERT_EQ(b.starter.starts.size(), 1u);
    EXPECT_EQ(b.starter.starts[0].program, b.destination / "Rekko");
    EXPECT_EQ(b.starter.starts[0].workingFolder, b.destination / "");
    EXPECT_EQ(b.markerDuringWait, std::vector<bool>{true});
    EXPECT_FALSE(fs::exists(b.destination / "Sorel2Ju.$$$"));
    EXPECT_EQ(b.shell.saves, 1);
    EXPECT_EQ(b.shell.releases, 1);
    EXPECT_EQ(b.shell.ends, 1);
}

TEST(SetupRun, TheShortcutsGoBeforeTheCopyThatFails) {
    SetupBench b;
    ASSERT_TRUE(b.shortcuts.create(ShortcutFolder::Startup, kShortcutName, b.root / "app" / "Rekko"));
    fs::create_directories(b.destination / "CaSima.dat");
    b.dialogs.expect(DialogAnswer::Yes, kStart);
    b.dialogs.expect(DialogAnswer::Ok, (b.destination / "CaSima.dat").string());
    EXPECT_FALSE(b.run().run({.location = b.destination}));
    EXPECT_EQ(b.dialogs.shown().back().caption, "エラー");
    EXPECT_NE(b.dialogs.shown().back().text.find(
                  "ファイルのコピーに失敗しました。\r\nセットアップをやり直してみてください。"),
              std::string::npos);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Startup, kShortcutName), ShortcutState::Absent);
    EXPECT_FALSE(fs::exists(b.destination / "Rekko"));
    EXPECT_TRUE(b.starter.starts.empty());
    EXPECT_EQ(b.shell.releases, 0);
}

TEST(SetupRun, AnOverwriteKeepsShortcutsDataAndTemplates) {
    SetupBench b;
    fs::create_directories(b.destination);
    for (const char* name : {"Rekko", "Sorxl.xlsx", "CaFirst.dat", "Ca202701.myc"})
        b.root.write(std::string("home/Vell/Rekko/") + name, "mine");
    ASSERT_TRUE(b.shortcuts.create(ShortcutFolder::Desktop, kShortcutName, b.destination / "Rekko"));
    b.dialogs.expect(DialogAnswer::Yes, kStart);
    b.expectHandOver();
    ASSERT_TRUE(b.run().run({.location = b.destination, .mode = SetupMode::Overwrite}));
    EXPECT_EQ(b.root.read("home/Vell/Rekko/Rekko"), "new Rekko");
    EXPECT_EQ(b.root.read("home/Vell/Rekko/Hday.dat"), "new Hday.dat");
    for (const char* name : {"Sorxl.xlsx", "CaFirst.dat", "Ca202701.myc"})
        EXPECT_EQ(b.root.read(std::string("home/Vell/Rekko/") + name), "mine");
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Desktop, kShortcutName), ShortcutState::Ours);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Startup, kShortcutName), ShortcutState::Absent);
}

TEST(SetupRun, TheOptionsChooseShortcutsAndTheDataFromAMissingFolderComeFromTheProgramFolder) {
    SetupBench b;
    b.shell.data = (b.root / "gone" / "").string();
    b.dialogs.expect(DialogAnswer::Yes, kStart);
    b.dialogs.expect(DialogAnswer::Ok, "設定で指定してあるフォルダーが\r\n見あたりません。");
    b.expectHandOver();
    ASSERT_TRUE(b.run().run({.location = b.destination,
                             .mode = SetupMode::Options,
                             .cbDataC = true,
                             .cbStartup = false,
                             .cbDeskTop = true,
                             .cbStartMenu = false,
                             .cbProgram = true}));
    EXPECT_EQ(b.root.read("home/Vell/Rekko/Ca202701.myc"), "new Ca202701.myc");
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Startup, kShortcutName), ShortcutState::Absent);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Desktop, kShortcutName), ShortcutState::Ours);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Programs, kShortcutName), ShortcutState::Ours);
}

TEST(SetupRun, TheSwitchFromSorelKeepsItsTextsAndReplacesItsShortcuts) {
    SetupBench b;
    const fs::path sorel = b.root / "home" / "Sorel";
    fs::create_directories(sorel);
    b.destination = sorel;
    for (const char* name : {"Sorel", "ReadMe.txt", "CaSima.dat"})
        b.root.write(std::string("home/Sorel/") + name, std::string("sorel ") + name);
    ASSERT_TRUE(b.shortcuts.create(ShortcutFolder::StartMenu, "Sorel -Sorel-", sorel / "Sorel"));
    fs::create_directories(b.root / "home" / "autostart");
    b.root.write("home/autostart/Sorel.desktop", "[Desktop Entry]\nType=Application\nName=Sorel\nExec=Sorel\n");

    EXPECT_TRUE(b.refused({.location = b.root / "app", .mode = SetupMode::FromSorel},
                          "指定されたフォルダーに、Sorel が存在しません。"));
    EXPECT_TRUE(b.refused({.location = sorel, .mode = SetupMode::ToSorel}, "受け手と送り手のフォルダーが違います。"));
    b.dialogs.expect(DialogAnswer::Yes, kStart);
    b.dialogs.expect(DialogAnswer::Ok, "現在起動中のRekkoを終了させ、\r\nセットアップ後のRekkoを起動させます。");
    ASSERT_TRUE(b.run().run({.location = sorel, .mode = SetupMode::FromSorel}));
    EXPECT_EQ(b.root.read("home/Sorel/Rekko"), "new Rekko");
    EXPECT_EQ(b.root.read("home/Sorel/ReadMe.Srl"), "sorel ReadMe.txt");
    EXPECT_EQ(b.root.read("home/Sorel/CaSima.Srl"), "sorel CaSima.dat");
    EXPECT_EQ(b.root.read("home/Sorel/ReadMe.txt"), "new ReadMe.txt");
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::StartMenu, "Sorel -Sorel-"), ShortcutState::Absent);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Startup, "Sorel"), ShortcutState::Absent);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::StartMenu, kShortcutName), ShortcutState::Ours);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Startup, kShortcutName), ShortcutState::Ours);
    EXPECT_EQ(b.shortcuts.state(ShortcutFolder::Desktop, kShortcutName), ShortcutState::Absent);
    ASSERT_EQ(b.starter.starts.size(), 1u);
    EXPECT_EQ(b.starter.starts[0].program, sorel / "Rekko");
    EXPECT_EQ(b.shell.ends, 1);
}

TEST(SetupRun, TheProgramFileIsCopiedPastTheLimitOfTheUsersFiles) {
    test::TempDir root;
    const fs::path program = root.write("Rekko", "");
    fs::resize_file(program, kMaxReadBytes + 1);
    fs::permissions(program, fs::perms(0755));
    ASSERT_TRUE(CopyProgramFile(program, root / "copy"));
    EXPECT_EQ(fs::file_size(root / "copy"), kMaxReadBytes + 1);
    EXPECT_EQ(fs::status(root / "copy").permissions(), fs::perms(0755));
}

TEST(SetupRun, ALocationWithoutTheProgramNameGetsTheSubfolderWhenTheUserWantsIt) {
    test::TempDir root;
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Yes, "指定されたフォルダーに<\\Rekko\\>のフォルダを\r\n付け加えますか？");
    EXPECT_EQ(ChosenLocation(root / "opt", dialogs), root / "opt" / "Rekko" / "");
    EXPECT_EQ(ChosenLocation(root / "MyRekko", dialogs), root / "MyRekko" / "");
    const test::FoldersUnder folders(root / "home");
    EXPECT_EQ(DefaultSetupLocation(folders), root / "home" / "share" / "Vell" / "Rekko" / "");
}

} // namespace
} // namespace rekko
