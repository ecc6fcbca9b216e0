// SPDX-License-Identifier: GPL-3.0-or-later
// The program's removal on real folders: only the installed files go and then the folders left empty, never the home
// folder; a link or a file of another name is not ours; "/R" hands the work to a temporary copy.
#include "maintenance/ProgramRemoval.h"

#include "FoldersUnder.h"
#include "RecordingStarter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

// Lays out an install of the program, its rules, texts and help in the folder.
fs::path Install(const test::TempDir& root, const std::string& folder) {
    fs::create_directories(root / (folder + "/help"));
    for (const char* name : {"Rekko", "HDay.dat", "Readme.txt", "CaSima.dat", "help/index.html", "help/style.css"})
        root.write(folder + "/" + name, name);
    return root / (folder + "/Rekko");
}

TEST(ProgramRemoval, TheCommandsAreTheFirstArgument) {
    EXPECT_EQ(RemovalCommandOf({"/r"}), RemovalCommand::Remove);
    EXPECT_EQ(RemovalCommandOf({"/X", "/opt/Rekko"}), RemovalCommand::FinishRemoval);
    EXPECT_EQ(RemovalCommandOf({"/X"}), RemovalCommand::None);
    EXPECT_EQ(RemovalCommandOf({"/J", "/R"}), RemovalCommand::None);
}

TEST(ProgramRemoval, ANestedInstallGoesWithItsEmptiedParentsAndItsOwnShortcutsButNotTheHomeFolder) {
    test::TempDir root;
    const fs::path program = Install(root, "home/apps/Vell/Rekko");
    const test::FoldersUnder folders(root / "menus");
    DesktopEntryShortcuts shortcuts(folders);
    ASSERT_TRUE(shortcuts.create(ShortcutFolder::Startup, kShortcutName, program));
    ASSERT_TRUE(shortcuts.create(ShortcutFolder::StartMenu, kShortcutName, program));
    ASSERT_TRUE(shortcuts.create(ShortcutFolder::Desktop, kShortcutName, root / "home/other/Rekko"));
    fs::create_directories(shortcuts.file(ShortcutFolder::Programs, kShortcutName).parent_path());
    const std::string foreign = "[Desktop Entry]\nType=Application\nName=Rekko\nExec=" + program.string() + "\n";
    root.write(fs::relative(shortcuts.file(ShortcutFolder::Programs, kShortcutName), root.path()).string(), foreign);

    test::ScriptedDialogs dialogs;
    ASSERT_TRUE(FinishRemoval(program, root / "home", shortcuts, dialogs));
    EXPECT_FALSE(fs::exists(root / "home" / "apps"));
    EXPECT_TRUE(fs::is_directory(root / "home"));
    EXPECT_EQ(shortcuts.state(ShortcutFolder::Startup, kShortcutName), ShortcutState::Absent);
    EXPECT_EQ(shortcuts.state(ShortcutFolder::StartMenu, kShortcutName), ShortcutState::Absent);
    EXPECT_EQ(shortcuts.state(ShortcutFolder::Desktop, kShortcutName), ShortcutState::Ours);
    EXPECT_EQ(shortcuts.state(ShortcutFolder::Programs, kShortcutName), ShortcutState::Foreign);
}

TEST(ProgramRemoval, TheUsersDataStaysAndSoDoesItsFolder) {
    test::TempDir root;
    const fs::path program = Install(root, "home/Rekko");
    root.write("home/Rekko/Ca202701.myc", "data");
    root.write("home/Rekko/Sorel.ini", "[Settei]\r\n");
    const test::FoldersUnder folders(root / "menus");
    DesktopEntryShortcuts shortcuts(folders);
    test::ScriptedDialogs dialogs;
    ASSERT_TRUE(FinishRemoval(program, root / "home", shortcuts, dialogs));
    EXPECT_FALSE(fs::exists(program));
    EXPECT_FALSE(fs::exists(root / "home/Rekko/HDay.dat"));
    EXPECT_FALSE(fs::exists(root / "home/Rekko/help"));
    EXPECT_EQ(root.read("home/Rekko/Ca202701.myc"), "data");
    EXPECT_TRUE(fs::exists(root / "home/Rekko/Sorel.ini"));
}

TEST(ProgramRemoval, ALinkOrAFileOfAnotherNameOrWithoutOurRulesIsNotRemoved) {
    test::TempDir root;
    const fs::path program = Install(root, "home/real");
    fs::create_directories(root / "home/linked");
    root.write("home/linked/Hday.dat", "rules");
    fs::create_symlink(program, root / "home/linked/Rekko");
    const fs::path other = root.write("home/real/Other", "other");
    fs::create_directories(root / "home/bare");
    const fs::path bare = root.write("home/bare/Rekko", "bare");
    const test::FoldersUnder folders(root / "menus");
    DesktopEntryShortcuts shortcuts(folders);

    for (const fs::path& refused : {root / "home/linked/Rekko", other, bare}) {
        test::ScriptedDialogs dialogs;
        dialogs.expect(DialogAnswer::Ok, refused.string() + "\r\nは、インストールされたRekkoではありません。");
        EXPECT_FALSE(FinishRemoval(refused, root / "home", shortcuts, dialogs));
    }
    fs::create_directories(root / "usr/share/rekko");
    fs::create_directories(root / "usr/bin");
    const fs::path packaged = root.write("usr/bin/Rekko", "packaged");
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Ok, "パッケージでインストールされたRekkoは、");
    EXPECT_FALSE(FinishRemoval(packaged, root / "home", shortcuts, dialogs));
    EXPECT_EQ(root.read("usr/bin/Rekko"), "packaged");
    EXPECT_TRUE(fs::is_symlink(root / "home/linked/Rekko"));
    EXPECT_EQ(root.read("home/real/Rekko"), "Rekko");
    EXPECT_EQ(root.read("home/real/Other"), "other");
    EXPECT_EQ(root.read("home/bare/Rekko"), "bare");
}

TEST(ProgramRemoval, RemoveAsksThenStartsATemporaryCopyWithTheProgramsPath) {
    test::TempDir root;
    const fs::path program = Install(root, "home/Rekko");
    fs::create_directories(root / "tmp");
    test::RecordingStarter starter;
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Cancel, "Rekko Ver3.3.3を削除しますか？");
    EXPECT_FALSE(StartRemoval(program, root / "tmp", dialogs, starter));
    EXPECT_TRUE(starter.starts.empty());
    EXPECT_TRUE(fs::is_empty(root / "tmp"));

    dialogs.expect(DialogAnswer::Ok, "Rekko Ver3.3.3を削除しますか？");
    ASSERT_TRUE(StartRemoval(program, root / "tmp", dialogs, starter));
    ASSERT_EQ(starter.starts.size(), 1u);
    const fs::path copy = starter.starts[0].program;
    EXPECT_EQ(copy.parent_path(), root / "tmp");
    EXPECT_TRUE(copy.filename().string().starts_with("SETUP"));
    EXPECT_EQ(root.read("tmp/" + copy.filename().string()), "Rekko");
    EXPECT_EQ(starter.starts[0].arguments, (std::vector<std::string>{"/X", program.string()}));
    EXPECT_EQ(dialogs.shown().front().caption, "確認");

    RemoveRemovalCopy(copy, root / "tmp");
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(fs::exists(program));
}

} // namespace
} // namespace rekko
