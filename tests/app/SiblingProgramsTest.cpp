// SPDX-License-Identifier: GPL-3.0-or-later
// The sibling programs: their lookup, the Pomta starts refused while Pomta runs, and the diary link reset when a
// killed diary program left its semaphore taken.
#include "app/AppFolders.h"
#include "app/DiaryButton.h"
#include "app/PomtaLauncher.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <unistd.h>

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
    Status start(const std::filesystem::path& program, const std::vector<std::string>&,
                 const std::filesystem::path&) override {
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

// The diary button's look, not looked at here.
struct PlainButton : DiaryButtonLook {
    void showArmed() override {}
    void showNormal() override {}
};

TEST(DiaryButton, ALinkLeftTakenIsResetOnlyWhenTheUserAgrees) {
    const std::string memory = "/RekkoTestButton" + std::to_string(getpid()), semaphore = memory + "Semaphore";
    // A diary program killed while it held the semaphore.
    sem_t* taken = sem_open(semaphore.c_str(), O_CREAT, 0600, 1);
    ASSERT_NE(taken, SEM_FAILED);
    ASSERT_EQ(sem_trywait(taken), 0);
    SharedMemoryDiaryLink link{memory, semaphore, std::chrono::seconds(1)};
    PlainButton look;
    RunningPomta starter;
    test::ScriptedDialogs dialogs;
    DiaryButton button(look, link, starter, dialogs, "/opt/Zunbo");

    dialogs.expect(DialogAnswer::No, "日記プログラム（Zunbo）が応答しません。\r\n");
    button.press(0);
    button.press(2460451);
    EXPECT_TRUE(starter.started.empty());
    EXPECT_NE(sem_trywait(taken), 0) << "No leaves the semaphore as it is";

    dialogs.expect(DialogAnswer::Yes, "日記プログラム（Zunbo）が応答しません。\r\n");
    button.press(0);
    button.press(2460452);
    EXPECT_TRUE(dialogs.shown().back().text.ends_with("連携をリセットしますか？"));
    EXPECT_EQ(dialogs.shown().back().defaultAnswer, DialogAnswer::No);
    EXPECT_EQ(starter.started, std::vector<std::string>{"/opt/Zunbo"});
    // The day waits in the object, and the new semaphore is free for the diary program.
    sem_t* renewed = sem_open(semaphore.c_str(), 0);
    EXPECT_EQ(sem_trywait(renewed), 0);
    const int fd = shm_open(memory.c_str(), O_RDONLY, 0);
    char text[16] = {};
    EXPECT_EQ(pread(fd, text, 8, 8), 8);
    EXPECT_STREQ(text, "2460452");
    close(fd);
    sem_close(renewed);
    sem_close(taken);
    sem_unlink(semaphore.c_str());
    shm_unlink(memory.c_str());
}

} // namespace
} // namespace rekko
