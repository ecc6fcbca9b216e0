// SPDX-License-Identifier: GPL-3.0-or-later
// The sibling programs: their lookup, and the Pomta starts refused while Pomta runs.
#include "app/AppFolders.h"
#include "app/PomtaLauncher.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

TEST(AppFolders, SiblingsAreFoundInOrderAndOnlyAsFiles) {
    test::TempDir program;
    test::TempDir programs;
    EXPECT_EQ(FindSibling("Zunbo", program.path(), programs.path()), std::nullopt);

    fs::create_directories(programs / "Vell/Zunbo");
    programs.write("Vell/Zunbo/Zunbo", "#!");
    EXPECT_EQ(FindSibling("Zunbo", program.path(), programs.path()), programs / "Vell/Zunbo/Zunbo");

    // The folder "Zunbo" of the second layout is not the program; the file inside it is.
    fs::create_directories(program / "Zunbo");
    EXPECT_EQ(FindSibling("Zunbo", program.path(), programs.path()), programs / "Vell/Zunbo/Zunbo");
    program.write("Zunbo/Zunbo", "#!");
    EXPECT_EQ(FindSibling("Zunbo", program.path(), programs.path()), program / "Zunbo/Zunbo");
}

// A Pomta window that exists, and the starts asked for.
struct RunningPomta : ProgramStarter, InstanceRegistry {
    Status start(const std::filesystem::path& program, const std::vector<std::string>&) override {
        started.push_back(program.string());
        return Success();
    }
    bool exists(const std::string& title) override { return title == "  Pomta - Pomta - "; }
    bool wake(const std::string&) override { return false; }

    std::vector<std::string> started;
};

TEST(PomtaLauncher, StartsNothingWhilePomtaIsRunning) {
    RunningPomta s;
    test::ScriptedDialogs dialogs;
    PomtaLauncher pomta(s, dialogs, s, "/opt/Pomta");
    dialogs.expect(DialogAnswer::Ok);
    dialogs.expect(DialogAnswer::Ok, "「Pomta」が立ち上がっています。");
    pomta.startFromHotkey();
    EXPECT_FALSE(pomta.openMemo("x"));
    EXPECT_TRUE(s.started.empty());
}

} // namespace
} // namespace rekko
