// SPDX-License-Identifier: GPL-3.0-or-later
// The Pomta starts refused while Pomta runs, with doubles of the ports they use.
#include "app/PomtaLauncher.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

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
