// SPDX-License-Identifier: GPL-3.0-or-later
// The atomic whole-file write: old content survives every failure.
#include "base/AtomicWrite.h"

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

TEST(AtomicWrite, WritesThroughSymbolicLinksAndRefusesBrokenOnes) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    fs::create_directory(dir / "data");
    fs::create_directory(dir / "store");
    const auto real = dir.write("store/may.myc", "old\r\n");
    fs::create_symlink(real, dir / "data" / "Ca202405.myc");
    fs::create_symlink("Ca202405.myc", dir / "data" / "CaMemo.myc"); // a chain of two links
    ASSERT_TRUE(WriteFileAtomically(dir / "data" / "Ca202405.myc", "new\r\n").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "data" / "CaMemo.myc", "newer\r\n").ok());
    EXPECT_TRUE(fs::is_symlink(dir / "data" / "Ca202405.myc"));
    EXPECT_TRUE(fs::is_symlink(dir / "data" / "CaMemo.myc"));
    EXPECT_EQ(dir.read("store/may.myc"), "newer\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "store"), fs::directory_iterator()), 1);

    // A dangling link, a loop and a folder are errors naming the name written; nothing is created or replaced.
    fs::create_symlink(dir / "store" / "gone.myc", dir / "data" / "CaFromTo.myc");
    fs::create_symlink("Sday.myc", dir / "data" / "Sorel.ini");
    fs::create_symlink("Sorel.ini", dir / "data" / "Sday.myc");
    fs::create_directory(dir / "data" / "Ca202406.myc");
    const std::pair<const char*, const char*> refused[] = {{"CaFromTo.myc", "先のファイルがありません"},
                                                           {"Sorel.ini", "循環"},
                                                           {"Ca202406.myc", "通常のファイルではありません"}};
    for (const auto& [name, cause] : refused) {
        const Status status = WriteFileAtomically(dir / "data" / name, "x");
        ASSERT_FALSE(status.ok()) << name;
        EXPECT_EQ(status.error().path, (dir / "data" / name).string());
        EXPECT_NE(status.error().cause.find(cause), std::string::npos) << status.error().cause;
    }
    EXPECT_TRUE(fs::is_symlink(dir / "data" / "CaFromTo.myc"));
    EXPECT_FALSE(fs::exists(dir / "store" / "gone.myc"));
    EXPECT_TRUE(fs::is_symlink(dir / "data" / "Sorel.ini"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "data"), fs::directory_iterator()), 6);
}

TEST(AtomicWrite, StaleTemporariesOfOurNamesGoAndNothingElse) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    fs::create_directory(dir / "data");
    fs::create_directory(dir / "store");
    const auto isOurs = [](std::string_view name) { return name == "Ca202612.myc" || name == "CaFromTo.myc"; };
    const char* gone[] = {"data/.Ca202612.myc.a1B2c3", "data/.CaFromTo.myc.ZZZZZZ", "store/.CaFromTo.myc.x0y9Qw"};
    const char* kept[] = {
        "data/.Ca202612.myc.a1B2c",   // five characters: not from mkstemp
        "data/.Ca202612.myc.a1B2c3d", // seven
        "data/.Ca202612.myc.a1B-c3",  // not a letter or digit
        "data/.notes.txt.a1B2c3",     // not a name of ours
        "data/Ca202612.myc.a1B2c3",   // no leading dot
        "store/.Ca202612.myc.a1B2c3", // beside a target, but no link of that name leads there
        "store/real.myc",
    };
    for (const char* name : gone)
        dir.write(name, "partial");
    for (const char* name : kept)
        dir.write(name, "keep");
    fs::create_directory(dir / "data" / ".Ca202612.myc.folder");
    fs::create_symlink(dir / "store" / "real.myc", dir / "data" / "CaFromTo.myc");

    EXPECT_EQ(RemoveStaleTemporaries(dir / "data", isOurs), 3u);
    for (const char* name : gone)
        EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const char* name : kept)
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_TRUE(fs::is_directory(dir / "data" / ".Ca202612.myc.folder"));
}

} // namespace
} // namespace rekko
