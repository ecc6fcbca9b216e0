// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and copying files: the atomic whole-file write, whose old content survives every failure, and copying named
// and mask-matched files with per-file failures reported.
#include "base/AtomicWrite.h"
#include "base/FileCopy.h"

#include "FileSizeLimit.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace rekko {
namespace {

namespace fs = std::filesystem;

ptrdiff_t filesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// A folder with a data folder and a store folder that links of the data folder may lead to.
class AtomicWriteInFolders : public ::testing::Test {
protected:
    AtomicWriteInFolders() {
        fs::create_directory(dir / "data");
        fs::create_directory(dir / "store");
    }
    test::TempDir dir;
};

// A file holding the same bytes is not touched; any difference replaces it with its permissions kept.
TEST(AtomicWrite, ReplacesTheFileKeepingItsPermissionsUnlessTheBytesAreTheSame) {
    test::TempDir dir;
    const auto file = dir.write("CaFromTo.myc", "same\r\n");
    ::chmod(file.c_str(), 0640);
    const uintmax_t before = test::InodeOf(file);
    ASSERT_TRUE(WriteFileAtomically(file, "same\r\n").ok());
    EXPECT_EQ(test::InodeOf(file), before);
    // Same length with one byte different; then longer, shorter and empty.
    for (const std::string_view bytes : {"sane\r\n", "sane\r\n+", "sa", ""}) {
        ASSERT_TRUE(WriteFileAtomically(file, bytes).ok());
        EXPECT_EQ(dir.read("CaFromTo.myc"), bytes);
    }
    EXPECT_EQ(fs::status(file).permissions(), static_cast<fs::perms>(0640));
    EXPECT_EQ(filesIn(dir.path()), 1);
    EXPECT_FALSE(WriteFileAtomically(dir / "no-such-folder" / "f.txt", "x").ok());
    // /proc refuses new files even to root, unlike a folder whose write bits are cleared.
    EXPECT_FALSE(WriteFileAtomically("/proc/rekko-test.txt", "x").ok());
}

TEST(AtomicWrite, FailureDuringTheWriteLeavesTheOldFileIntact) {
    test::TempDir dir;
    const auto file = dir.write("Ca202612.myc", "old content\r\n");
    // Limit the size a file may grow to, so the write fails half-way as on a full disk.
    const Status status = [&] {
        const test::FileSizeLimit small(4096);
        EXPECT_TRUE(small.set());
        return WriteFileAtomically(file, std::string(100'000, 'x'));
    }();

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().path, file.string());
    EXPECT_EQ(dir.read("Ca202612.myc"), "old content\r\n");
    EXPECT_EQ(filesIn(dir.path()), 1) << "the temporary file must be removed";
}

// Right before the rename the bytes may still be replaced, as often as asked (a few times at most).
TEST(AtomicWrite, BytesGivenRightBeforeTheRenameReplaceThoseWritten) {
    test::TempDir dir;
    const auto file = dir.write("Ca202405.myc", "old\r\n");
    std::vector<std::string> seen;
    const BeforeRename again = [&]() -> std::optional<std::string> {
        seen.push_back(test::ReadFile(file));
        if (seen.size() == 1)
            return "merged\r\n";
        return std::nullopt;
    };
    ASSERT_TRUE(WriteFileAtomically(file, "ours\r\n", std::nullopt, again).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"), "merged\r\n");
    EXPECT_EQ(seen, (std::vector<std::string>{"old\r\n", "old\r\n"}));
    int asked = 0;
    ASSERT_TRUE(WriteFileAtomically(file, "a\r\n", std::nullopt, [&]() -> std::optional<std::string> {
                    return "round " + std::to_string(++asked);
                }).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"), "round 3");
    EXPECT_EQ(filesIn(dir.path()), 1);
}

// Until the commit every target keeps its old content; a batch never committed leaves nothing of its own behind.
TEST_F(AtomicWriteInFolders, ABatchReplacesItsFilesOnlyAtTheCommit) {
    dir.write("data/Ca202612.myc", "old\r\n");
    fs::create_directory_symlink(dir / "store", dir / "data/linked");
    {
        AtomicWriteBatch abandoned;
        ASSERT_TRUE(abandoned.add(dir / "data/Ca202612.myc", "new\r\n").ok());
        EXPECT_EQ(filesIn(dir / "data"), 3);
    }
    EXPECT_EQ(filesIn(dir / "data"), 2);
    AtomicWriteBatch batch;
    ASSERT_TRUE(batch.add(dir / "data/Ca202612.myc", "new\r\n").ok());
    ASSERT_TRUE(batch.add(dir / "data/CaMemo.myc", "memo\r\n", fs::perms::owner_read | fs::perms::owner_write).ok());
    ASSERT_TRUE(batch.add(dir / "data/linked/CaFromTo.myc", "periods\r\n").ok());
    EXPECT_FALSE(batch.add(dir / "data/linked", "a folder").ok());
    EXPECT_EQ(dir.read("data/Ca202612.myc"), "old\r\n");
    EXPECT_TRUE(batch.commit().empty());
    EXPECT_EQ(dir.read("data/Ca202612.myc"), "new\r\n");
    EXPECT_EQ(dir.read("data/CaMemo.myc"), "memo\r\n");
    EXPECT_EQ(fs::status(dir / "data/CaMemo.myc").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(dir.read("store/CaFromTo.myc"), "periods\r\n");
    EXPECT_TRUE(fs::is_symlink(dir / "data/linked"));
    EXPECT_EQ(filesIn(dir / "data"), 3);
}

TEST_F(AtomicWriteInFolders, WritesThroughSymbolicLinksAndRefusesBrokenOnes) {
    const auto real = dir.write("store/may.myc", "old\r\n");
    fs::create_symlink(real, dir / "data" / "Ca202405.myc");
    fs::create_symlink("Ca202405.myc", dir / "data" / "CaMemo.myc"); // a chain of two links
    ASSERT_TRUE(WriteFileAtomically(dir / "data" / "Ca202405.myc", "new\r\n").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "data" / "CaMemo.myc", "newer\r\n").ok());
    EXPECT_TRUE(fs::is_symlink(dir / "data" / "Ca202405.myc") && fs::is_symlink(dir / "data" / "CaMemo.myc"));
    EXPECT_EQ(dir.read("store/may.myc"), "newer\r\n");
    EXPECT_EQ(filesIn(dir / "store"), 1);

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
    EXPECT_EQ(filesIn(dir / "data"), 6);
}

// In a sticky world-writable folder a link is followed only where the system's link protection would follow it: the
// user's own, even written by its bare name, or one of the folder's owner. A link anyone else planted there is
// refused, naming it, by writes and copies alike, and what it leads to stays as it was.
TEST_F(AtomicWriteInFolders, FollowsLinksInASharedFolderOnlyAsTheSystemWould) {
    const auto sharedFolder = [&](const char* name) {
        fs::create_directory(dir / name);
        fs::permissions(dir / name, static_cast<fs::perms>(01777));
        return dir / name;
    };
    const fs::path shared = sharedFolder("shared");
    fs::create_symlink(dir.write("store/sday.myc", "old\r\n"), shared / "Sday.myc");
    const fs::path previous = fs::current_path();
    fs::current_path(shared);
    const Status own = WriteFileAtomically("Sday.myc", "new\r\n");
    fs::current_path(previous);
    ASSERT_TRUE(own.ok()) << own.error().cause;
    EXPECT_TRUE(fs::is_symlink(shared / "Sday.myc"));
    EXPECT_EQ(dir.read("store/sday.myc"), "new\r\n");

    const fs::path victim = dir.write("store/victim.txt", "secret\r\n");
    fs::create_symlink(victim, shared / "CaFT4050.mcp");
    if (!test::GiveToNobody(shared / "CaFT4050.mcp"))
        GTEST_SKIP() << "only root can plant a link of another user";
    const Status planted = WriteFileAtomically(shared / "CaFT4050.mcp", "periods\r\n");
    ASSERT_FALSE(planted.ok());
    EXPECT_EQ(planted.error().cause, "他のユーザーが共有フォルダに置いたシンボリックリンクはたどりません: " +
                                         (shared / "CaFT4050.mcp").string());
    test::TempDir source;
    source.write("CaFT4050.mcp", "copy\r\n");
    EXPECT_FALSE(CopyFileList(source.path(), shared, "CaFT4050.mcp").ok());
    EXPECT_EQ(dir.read("store/victim.txt"), "secret\r\n");
    EXPECT_TRUE(fs::is_symlink(shared / "CaFT4050.mcp"));
    EXPECT_EQ(filesIn(dir / "store"), 2);

    // In a shared folder of nobody's, nobody's link is the owner's: followed.
    const fs::path theirs = sharedFolder("theirs");
    fs::create_symlink(victim, theirs / "CaFT4050.mcp");
    ASSERT_TRUE(test::GiveToNobody(theirs) && test::GiveToNobody(theirs / "CaFT4050.mcp"));
    ASSERT_TRUE(WriteFileAtomically(theirs / "CaFT4050.mcp", "periods\r\n").ok());
    EXPECT_EQ(dir.read("store/victim.txt"), "periods\r\n");
}

TEST_F(AtomicWriteInFolders, StaleTemporariesOfOurNamesGoAndNothingElse) {
    const auto isOurs = [](std::string_view name) { return name == "Ca202612.myc" || name == "CaFromTo.myc"; };
    const char* gone[] = {"data/.Ca202612.myc.a1B2c3", "data/.CaFromTo.myc.ZZZZZZ", "store/.CaFromTo.myc.x0y9Qw"};
    // Five or seven characters, not a letter or digit, not a name of ours, no leading dot, and beside a target
    // that no link of that name leads to.
    const char* kept[] = {"data/.Ca202612.myc.a1B2c",
                          "data/.Ca202612.myc.a1B2c3d",
                          "data/.Ca202612.myc.a1B-c3",
                          "data/.notes.txt.a1B2c3",
                          "data/Ca202612.myc.a1B2c3",
                          "store/.Ca202612.myc.a1B2c3",
                          "store/real.myc"};
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

TEST(FileCopy, ListCopiesExistingNamesSkipsMissingOnesAndReportsFailuresPerFile) {
    test::TempDir source, target;
    source.write("Sday.myc", "s");
    source.write("Hday.dat", "h");
    int calls = 0;
    const CopyReport report =
        CopyFileList(source.path(), target.path(), "Sday.myc,Missing.myc,Hday.dat", [&](size_t, size_t total) {
            EXPECT_EQ(total, 2u);
            ++calls;
            return true;
        });
    EXPECT_EQ(std::tuple(report.ok(), report.copied.size(), calls), std::tuple(true, 2u, 2));
    EXPECT_EQ(target.read("Hday.dat"), "h");
    const CopyReport failed = CopyFileList(source.path(), target / "missing-folder", "Sday.myc");
    ASSERT_EQ(failed.failures.size(), 1u);
    EXPECT_EQ(failed.failures[0].path, (source / "Sday.myc").string());
}

TEST(FileCopy, MasksMatchFilesOnlyAndOverwrite) {
    test::TempDir source, target;
    source.write("Ca202612.myc", "new");
    source.write("CA202701.MYC", "upper");
    source.write("Sorel.ini", "ini");
    fs::create_directory(source / "dir.myc");
    target.write("Ca202612.myc", "old");
    const MaskCopyReport report = CopyFileMasks(source.path(), target.path(), "*.myc");
    EXPECT_EQ(std::tuple(report.anyMask, report.ok(), report.copied.size()), std::tuple(true, true, 2u));

    EXPECT_EQ(target.read("Ca202612.myc"), "new");
    EXPECT_FALSE(fs::exists(target / "Sorel.ini"));
    EXPECT_FALSE(CopyFileMasks(source.path(), target.path(), "").anyMask);
}

} // namespace
} // namespace rekko
