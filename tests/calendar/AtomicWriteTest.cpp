// The atomic whole-file write: old content survives every failure.
#include "calendar/AtomicWrite.h"

#include "TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace rekko {
namespace {

size_t filesIn(const test::TempDir& dir) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++count;
    return count;
}

TEST(AtomicWrite, ReplacesTheFileAndKeepsItsPermissions) {
    test::TempDir dir;
    const auto file = dir.write("Sorel.ini", "old");
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(file, "new content").ok());
    EXPECT_EQ(dir.read("Sorel.ini"), "new content");
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(filesIn(dir), 1u);
}

TEST(AtomicWrite, MissingOrReadOnlyFolderIsReported) {
    test::TempDir dir;
    const Status missing = WriteFileAtomically(dir / "no-such-folder" / "f.txt", "x");
    ASSERT_FALSE(missing.ok());
    EXPECT_FALSE(missing.error().cause.empty());
    // /proc refuses new files even to root, unlike a folder whose write bits are cleared.
    EXPECT_FALSE(WriteFileAtomically("/proc/rekko-test.txt", "x").ok());
}

TEST(AtomicWrite, FailureDuringTheWriteLeavesTheOldFileIntact) {
    test::TempDir dir;
    const auto file = dir.write("Ca202612.myc", "old content\r\n");
    // Limit the size a file may grow to, so the write fails half-way as on a full disk.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status status = WriteFileAtomically(file, std::string(100'000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().path, file.string());
    EXPECT_EQ(dir.read("Ca202612.myc"), "old content\r\n");
    EXPECT_EQ(filesIn(dir), 1u) << "the temporary file must be removed";
}

} // namespace
} // namespace rekko
