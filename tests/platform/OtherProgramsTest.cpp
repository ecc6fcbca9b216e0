// SPDX-License-Identifier: GPL-3.0-or-later
// Working with other programs. A detached program runs and leaves no child to reap, a program that cannot run is
// reported; opening a document answers whether xdg-open could be started. The diary link is read back as the diary
// program reads it, also with a semaphore left taken by a crashed reader and a memory object of another data size.
#include "platform/DiaryLink.h"
#include "platform/OpenDocument.h"
#include "platform/ProgramStarter.h"

#include "TempDir.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

TEST(OpenDocument, HandsTheNameToXdgOpenAndAnswersFalseWithoutIt) {
    test::TempDir dir;
    const auto fake =
        dir.write("xdg-open",
                  "#!/bin/sh\necho \"$1\" > \"${0%/*}/opened.tmp\" && mv \"${0%/*}/opened.tmp\" \"${0%/*}/opened\"\n");
    ::chmod(fake.c_str(), 0755);
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", (dir.path().string() + ":/usr/bin:/bin").c_str(), 1);
    EXPECT_TRUE(OpenDocument("https://example.invalid/a b"));
    ::setenv("PATH", (dir / "none").c_str(), 1);
    EXPECT_FALSE(OpenDocument("HelpRekk.html"));
    // The fake runs in the background; wait briefly for it to write.
    for (int i = 0; i < 200 && !std::filesystem::exists(dir / "opened"); ++i)
        ::usleep(10'000);
    EXPECT_EQ(dir.read("opened"), "https://example.invalid/a b\n");
    ::setenv("PATH", path.c_str(), 1);
}

// Names of this test process, so that neither a real diary link nor a parallel run is touched.
class DiaryNames : public ::testing::Test {
protected:
    void TearDown() override {
        shm_unlink(memory.c_str());
        sem_unlink(semaphore.c_str());
    }

    // Reads the object the way the diary program does: takes the semaphore, reads the header and the text, gives the
    // semaphore back, and answers "<header word> <data size> <text>". With hold it takes the semaphore and keeps it,
    // as a reader that crashed.
    std::string read(bool hold = false) {
        sem_t* taken = sem_open(semaphore.c_str(), 0);
        if (taken == SEM_FAILED || sem_trywait(taken) != 0)
            return "semaphore not free";
        const int fd = shm_open(memory.c_str(), O_RDONLY, 0);
        fstat(fd, &object);
        std::string bytes(static_cast<size_t>(object.st_size), '\0');
        const bool whole = pread(fd, bytes.data(), bytes.size(), 0) == object.st_size && bytes.size() > 8;
        close(fd);
        if (!hold)
            sem_post(taken);
        sem_close(taken);
        if (hold || !whole)
            return hold ? "" : "object too small";
        uint32_t header[2];
        std::memcpy(header, bytes.data(), sizeof header);
        return std::to_string(header[0]) + " " + std::to_string(header[1]) + " " +
               bytes.substr(8, bytes.find('\0', 8) - 8) + "\n";
    }

    // Leaves an object as another program made it: a header naming the data size, and room for the size.
    void makeObject(uint32_t dataSize, off_t bytes) const {
        const int fd = shm_open(memory.c_str(), O_RDWR | O_CREAT, 0600);
        const uint32_t header[2] = {0, dataSize};
        ASSERT_EQ(ftruncate(fd, bytes), 0);
        ASSERT_EQ(pwrite(fd, header, sizeof header, 0), static_cast<ssize_t>(sizeof header));
        close(fd);
    }

    const std::string memory = "/RekkoTestDiary" + std::to_string(getpid());
    const std::string semaphore = memory + "Semaphore";
    struct stat object {}; // the size and mode of the object at the last read
    SharedMemoryDiaryLink link{memory, semaphore, std::chrono::seconds(1)};
};

TEST_F(DiaryNames, TheDiaryProgramReadsTheDay) {
    ASSERT_TRUE(link.sendDay(2460451));
    EXPECT_EQ(read(), "0 4 2460451\n");
    EXPECT_GE(object.st_size, 16);
    EXPECT_EQ(object.st_mode & 0777, 0600u); // only this user may open the object
}

TEST_F(DiaryNames, AnObjectMadeForFourBytesIsGrownToHoldTheText) {
    makeObject(4, 12);
    ASSERT_TRUE(link.sendDay(2460451));
    EXPECT_EQ(read(), "0 4 2460451\n");
}

TEST_F(DiaryNames, AnObjectOfAnotherDataSizeIsNotUsed) {
    makeObject(64, 72);
    const Status sent = link.sendDay(2460451);
    ASSERT_FALSE(sent);
    EXPECT_EQ(sent.error().cause, "Other process Allready Opened Memory Map");
    EXPECT_EQ(read(), "0 64 \n");
}

TEST_F(DiaryNames, AReaderThatDiedHoldingTheSemaphoreGivesUpAfterTheLimit) {
    ASSERT_TRUE(link.sendDay(1));
    ASSERT_EQ(read(true), "");
    const auto started = std::chrono::steady_clock::now();
    const Status sent = link.sendDay(2);
    const auto waited = std::chrono::steady_clock::now() - started;
    ASSERT_FALSE(sent);
    EXPECT_EQ(sent.error().cause, "Other process Allready Opened Memory Map\r\n（1 秒待っても応答がありません）");
    EXPECT_GE(waited, std::chrono::milliseconds(950));
    EXPECT_LT(waited, std::chrono::seconds(3));
}

} // namespace
} // namespace rekko
