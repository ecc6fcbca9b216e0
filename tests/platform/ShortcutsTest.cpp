// SPDX-License-Identifier: GPL-3.0-or-later
// The program's shortcuts as desktop entries in real folders: valid entries that start the program in its folder,
// only our own entries replaced or deleted unasked.
#include "platform/Shortcuts.h"
#include "platform/ProgramOutput.h"

#include "FoldersUnder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

TEST(Shortcuts, ValidEntriesInEachFolderQuotingAPathWithBlanks) {
    test::TempDir root;
    const test::FoldersUnder folders(root / "home");
    DesktopEntryShortcuts shortcuts(folders);
    const fs::path program = root / "Vell 2" / "Rekko";
    for (const ShortcutFolder folder : kShortcutFolders) {
        EXPECT_EQ(shortcuts.state(folder, kShortcutName), ShortcutState::Absent);
        ASSERT_TRUE(shortcuts.create(folder, kShortcutName, program));
        EXPECT_EQ(shortcuts.state(folder, kShortcutName), ShortcutState::Ours);
        const fs::path file = shortcuts.file(folder, kShortcutName);
        EXPECT_EQ(file.filename(), "Rekko.desktop");
        EXPECT_TRUE(ProgramOutput("desktop-file-validate", {file.c_str()}, std::chrono::seconds(10)))
            << DesktopEntryText(folder, program);
        const std::string text = root.read(fs::relative(file, root.path()).string());
        EXPECT_NE(text.find("\nExec=\"" + program.string() + "\"\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\nPath=" + program.parent_path().string() + "\n"), std::string::npos);
        EXPECT_EQ(text.find("X-GNOME-Autostart-enabled=true") != std::string::npos, folder == ShortcutFolder::Startup);
        const bool executable = (fs::status(file).permissions() & fs::perms::owner_exec) != fs::perms::none;
        EXPECT_EQ(executable, folder == ShortcutFolder::Desktop);
    }
    EXPECT_EQ(shortcuts.file(ShortcutFolder::Startup, kShortcutName), root / "home" / "autostart" / "Rekko.desktop");
    EXPECT_EQ(shortcuts.file(ShortcutFolder::StartMenu, kShortcutName).parent_path(),
              root / "home" / "applications" / "Rekko");
    // The two menu entries go to different submenus.
    EXPECT_NE(DesktopEntryText(ShortcutFolder::StartMenu, program).find("Categories=Office;Calendar;"),
              std::string::npos);
    EXPECT_NE(DesktopEntryText(ShortcutFolder::Programs, program).find("Categories=Utility;"), std::string::npos);
    ASSERT_TRUE(shortcuts.remove(ShortcutFolder::Desktop, kShortcutName, false));
    EXPECT_FALSE(fs::exists(shortcuts.file(ShortcutFolder::Desktop, kShortcutName)));
}

TEST(Shortcuts, AForeignEntryOrLinkIsKeptUnlessEvenForeignIsAsked) {
    test::TempDir root;
    const test::FoldersUnder folders(root / "home");
    DesktopEntryShortcuts shortcuts(folders);
    const std::string foreign = "[Desktop Entry]\nType=Application\nName=Rekko\nExec=other\n";
    fs::create_directories(root / "home" / "autostart");
    root.write("home/autostart/Rekko.desktop", foreign);
    fs::create_directories(root / "home" / "Desktop");
    fs::create_symlink(root / "home" / "autostart" / "Rekko.desktop", root / "home" / "Desktop" / "Rekko.desktop");

    EXPECT_EQ(shortcuts.state(ShortcutFolder::Startup, kShortcutName), ShortcutState::Foreign);
    EXPECT_EQ(shortcuts.state(ShortcutFolder::Desktop, kShortcutName), ShortcutState::Foreign);
    const Status created = shortcuts.create(ShortcutFolder::Startup, kShortcutName, root / "Rekko");
    ASSERT_FALSE(created);
    EXPECT_EQ(created.error().cause, kShortcutFailedMessage);
    EXPECT_TRUE(shortcuts.remove(ShortcutFolder::Startup, kShortcutName, false));
    EXPECT_TRUE(shortcuts.remove(ShortcutFolder::Desktop, kShortcutName, false));
    EXPECT_EQ(root.read("home/autostart/Rekko.desktop"), foreign);
    EXPECT_TRUE(fs::is_symlink(root / "home" / "Desktop" / "Rekko.desktop"));

    EXPECT_TRUE(shortcuts.remove(ShortcutFolder::Desktop, kShortcutName, true));
    EXPECT_FALSE(fs::is_symlink(root / "home" / "Desktop" / "Rekko.desktop"));
    EXPECT_EQ(root.read("home/autostart/Rekko.desktop"), foreign);
}

} // namespace
} // namespace rekko
