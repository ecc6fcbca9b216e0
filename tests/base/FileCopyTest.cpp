// SPDX-License-Identifier: GPL-3.0-or-later
// Copying named and mask-matched files, with per-file failures reported.
#include "base/FileCopy.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(FileCopy, ListCopiesExistingNamesAndSkipsMissingOnes) {
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
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.copied.size(), 2u);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(target.read("Hday.dat"), "h");
}

TEST(FileCopy, FailuresAreReportedPerFile) {
    test::TempDir source, target;
    source.write("a.myc", "a");
    const CopyReport report = CopyFileList(source.path(), target / "missing-folder", "a.myc");
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].path, (source / "a.myc").string());
}

TEST(FileCopy, MasksMatchFilesOnlyAndOverwrite) {
    test::TempDir source, target;
    source.write("Ca202612.myc", "new");
    source.write("CA202701.MYC", "upper");
    source.write("Sorel.ini", "ini");
    std::filesystem::create_directory(source / "dir.myc");
    target.write("Ca202612.myc", "old");
    const MaskCopyReport report = CopyFileMasks(source.path(), target.path(), "*.myc");
    EXPECT_TRUE(report.anyMask);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.copied.size(), 2u);
    EXPECT_EQ(target.read("Ca202612.myc"), "new");
    EXPECT_FALSE(std::filesystem::exists(target / "Sorel.ini"));
    EXPECT_FALSE(CopyFileMasks(source.path(), target.path(), "").anyMask);
}

} // namespace
} // namespace rekko
