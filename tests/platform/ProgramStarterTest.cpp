// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a program detached: it runs, leaves no child to reap, and a program that cannot run is reported.
#include "platform/ProgramStarter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <sys/wait.h>
#include <thread>

namespace rekko {
namespace {

TEST(DetachedProgramStarter, StartsTheProgramLeavesNoChildBehindAndReportsWhatCannotRun) {
    test::TempDir folder;
    const auto done = folder / "done";
    DetachedProgramStarter starter;
    ASSERT_TRUE(starter.start("/bin/sh", {"-c", "echo \"$PPID $1\" > \"$0\"", done.string(), "two words"}));
    for (int i = 0; i < 200 && !std::filesystem::exists(done); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string written = folder.read("done");
    EXPECT_NE(written.find(" two words\n"), std::string::npos) << written;
    EXPECT_NE(written.rfind(std::to_string(getpid()) + " ", 0), 0u) << "the program is not our child";

    const Status missing = starter.start(folder / "Zunbo", {});
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().path, (folder / "Zunbo").string());
    EXPECT_FALSE(starter.start(folder.write("Pomta", "text"), {}));
    // Nothing is left for this process to reap.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
} // namespace rekko
