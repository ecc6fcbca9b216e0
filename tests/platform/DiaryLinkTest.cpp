// SPDX-License-Identifier: GPL-3.0-or-later
// The diary link read back by a second process, a semaphore left taken by a crashed reader, and a memory object
// that records another data size.
#include "platform/DiaryLink.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rekko {
namespace {

// Names of this test process, so that neither a real diary link nor a parallel run is touched.
class DiaryNames : public ::testing::Test {
protected:
    void TearDown() override {
        shm_unlink(memory.c_str());
        sem_unlink(semaphore.c_str());
    }

    // Runs the reader program and returns what it printed, or its exit status.
    std::string read(const char* mode = "") const {
        const std::string command = std::string(DIARY_READER) + " " + memory + " " + semaphore + " " + mode;
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 256> buffer{};
        std::string output;
        while (fgets(buffer.data(), buffer.size(), pipe))
            output += buffer.data();
        const int status = pclose(pipe);
        return status == 0 ? output : "status " + std::to_string(status);
    }

    struct stat objectStatus() const {
        struct stat status {};
        const int fd = shm_open(memory.c_str(), O_RDONLY, 0);
        fstat(fd, &status);
        close(fd);
        return status;
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
    SharedMemoryDiaryLink link{memory, semaphore, std::chrono::seconds(1)};
};

TEST_F(DiaryNames, AnotherProcessReadsTheDayAsTheDiaryProgramWould) {
    ASSERT_TRUE(link.sendDay(2460451));
    EXPECT_EQ(read(), "0 4 2460451\n");
    ASSERT_TRUE(link.sendDay(2299161));
    EXPECT_EQ(read(), "0 4 2299161\n");
    EXPECT_GE(objectStatus().st_size, 16);
    EXPECT_EQ(objectStatus().st_mode & 0777, 0600u); // only this user may open the object
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
    ASSERT_EQ(read("hold"), "");
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
