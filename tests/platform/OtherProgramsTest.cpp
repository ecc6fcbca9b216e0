// SPDX-License-Identifier: GPL-3.0-or-later
// Working with other programs. A detached program runs and leaves no child to reap, a program that cannot run is
// reported; opening a document answers whether xdg-open could be started; the spreadsheet program is the one the
// file associations name. The diary link is read back as the diary program reads it, also with a semaphore left taken
// by a crashed reader (and the link reset), a memory object of another data size, and a semaphore and an object of
// another user. The drive of a folder: its mount point, size and state.
#include "platform/DiaryLink.h"
#include "platform/Drives.h"
#include "platform/OpenDocument.h"
#include "platform/ProgramStarter.h"
#include "platform/SpreadsheetProgram.h"

#include "TempDir.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <pwd.h>
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

// The drive of a folder is the mount with the longest leading path, /proc being one; a folder that is gone is a
// medium not ready.
TEST(LinuxDrives, FindTheMountPointAndAnswerAMissingFolderAsNotReady) {
    const LinuxDrives drives;
    test::TempDir dir;
    const DriveInfo here = drives.driveOf(dir.path());
    EXPECT_FALSE(here.mountPoint.empty());
    EXPECT_EQ(dir.path().string().rfind(here.mountPoint.string(), 0), 0u);
    EXPECT_EQ(here.state, MediumState::Ready);
    EXPECT_GT(here.totalBytes, 0u);
    EXPECT_EQ(drives.driveOf("/proc/self").mountPoint, "/proc");
    EXPECT_FALSE(drives.driveOf("/proc/self").removable);
    EXPECT_EQ(drives.driveOf(dir / "gone").state, MediumState::NotReady);
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

TEST(DesktopSpreadsheetProgram, IsTheOneTheFileAssociationsNameForWorkbooks) {
    test::TempDir dir;
    std::vector<std::pair<const char*, std::string>> saved;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
        const char* value = std::getenv(name);
        saved.emplace_back(name, value ? value : "");
        ::setenv(name, dir.path().c_str(), 1);
    }
    const DesktopSpreadsheetProgram program;
    EXPECT_FALSE(program.installed());
    std::filesystem::create_directory(dir / "applications");
    dir.write("applications/calc.desktop", "[Desktop Entry]\nType=Application\nName=Calc\nExec=true %f\n");
    dir.write(
        "mimeapps.list",
        "[Default Applications]\napplication/vnd.openxmlformats-officedocument.spreadsheetml.sheet=calc.desktop\n");
    EXPECT_TRUE(program.installed());
    for (const auto& [name, value] : saved)
        value.empty() ? ::unsetenv(name) : ::setenv(name, value.c_str(), 1);
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

    bool sends(int32_t day) {
        const auto sent = link.sendDay(day);
        return sent && sent.value() == DiarySend::Sent;
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
    ASSERT_TRUE(sends(2460451));
    EXPECT_EQ(read(), "0 4 2460451\n");
    EXPECT_GE(object.st_size, 16);
    EXPECT_EQ(object.st_mode & 0777, 0600u); // only this user may open the object
}

TEST_F(DiaryNames, AnObjectMadeForFourBytesIsGrownToHoldTheText) {
    makeObject(4, 12);
    ASSERT_TRUE(sends(2460451));
    EXPECT_EQ(read(), "0 4 2460451\n");
}

TEST_F(DiaryNames, AnObjectOfAnotherDataSizeIsNotUsed) {
    makeObject(64, 72);
    const auto sent = link.sendDay(2460451);
    ASSERT_FALSE(sent);
    EXPECT_EQ(sent.error().cause, "Other process Allready Opened Memory Map");
    EXPECT_EQ(read(), "0 64 \n");
}

TEST_F(DiaryNames, AReaderThatDiedHoldingTheSemaphoreIsNotAnsweredAfterTheLimitUntilTheLinkIsReset) {
    ASSERT_TRUE(sends(1));
    ASSERT_EQ(read(true), "");
    const auto started = std::chrono::steady_clock::now();
    const auto sent = link.sendDay(2);
    const auto waited = std::chrono::steady_clock::now() - started;
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent.value(), DiarySend::NotAnswering);
    EXPECT_GE(waited, std::chrono::milliseconds(950));
    EXPECT_LT(waited, std::chrono::seconds(3));

    ASSERT_TRUE(link.reset());
    ASSERT_TRUE(sends(3));
    EXPECT_EQ(read(), "0 4 3\n");
}

// The objects of another user: a semaphore it keeps taken is refused at once instead of waited for, and so is a
// memory object it could read.
TEST_F(DiaryNames, ObjectsOfAnotherUserAreRefusedWithoutWaiting) {
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody)
        GTEST_SKIP() << "giving the semaphore to the user nobody needs root";
    sem_t* taken = sem_open(semaphore.c_str(), O_CREAT, 0666, 0);
    ASSERT_NE(taken, SEM_FAILED);
    const std::string entry = "/dev/shm/sem." + semaphore.substr(1);
    ASSERT_EQ(chown(entry.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(chmod(entry.c_str(), 0666), 0);
    const auto started = std::chrono::steady_clock::now();
    const auto sent = link.sendDay(2460451);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
    ASSERT_FALSE(sent);
    EXPECT_EQ(sent.error().cause, "Other process Allready Opened Memory Map\r\n" + entry +
                                      ": 他のユーザー（nobody）のものなので使いません");
    EXPECT_FALSE(link.reset());
    sem_close(taken);

    sem_unlink(semaphore.c_str());
    makeObject(4, 16);
    ASSERT_EQ(chown(("/dev/shm" + memory).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const auto written = link.sendDay(2460451);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().cause, "Other process Allready Opened Memory Map\r\n" + memory +
                                         ": 他のユーザー（nobody）のものなので使いません");
}

} // namespace
} // namespace rekko
