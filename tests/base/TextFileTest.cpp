// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing code page 932 text files: line rules, 0x1A, saving with the bytes of the lines read.
#include "base/TextFile.h"

#include "TempDir.h"

#include "base/FileEntry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace rekko {
namespace {

using Lines = std::vector<std::string>;

std::string savedAgain(const test::TempDir& dir, std::string_view bytes) {
    const auto file = dir.write("in.myc", bytes);
    auto text = ReadTextFile(file);
    EXPECT_TRUE(text.ok());
    EXPECT_TRUE(WriteTextFile(dir / "out.myc", text.value().lines(), text.value()).ok());
    return dir.read("out.myc");
}

// Every line the program writes ends in CR LF; each line read keeps its bytes wherever it moved; the bytes from
// the end-of-file mark on come back as they were.
TEST(TextFile, SavingKeepsTheBytesOfEveryLineRead) {
    test::TempDir dir;
    // Invalid bytes, a cut lead byte, and the Windows duplicates as the file holds them.
    for (const std::string_view bytes : {"", "bad bytes \x80\xA0\xFD and a cut lead \x81\r\n",
                                         "\x82\xA0\x82\xA2\r\n\x81\r\n", "\x87\x90\xFA\x4A\xED\x40\r\n"})
        EXPECT_EQ(savedAgain(dir, bytes), bytes);
    EXPECT_EQ(savedAgain(dir, "no line end"), "no line end\r\n");
    EXPECT_EQ(savedAgain(dir, "lf\nonly\n"), "lf\r\nonly\r\n");
    EXPECT_EQ(savedAgain(dir, "cr\ronly\r"), "cr\r\nonly\r\n");
    EXPECT_EQ(savedAgain(dir, "a\r\nb\x1A"
                              "junk\r\nmore"),
              "a\r\nb\r\n\x1A"
              "junk\r\nmore");

    EXPECT_TRUE(ParseTextBytes("").lines().empty());
    EXPECT_EQ(ParseTextBytes("\r\n").lines(), (Lines{""}));
    const TextLines read = ParseTextBytes("x\x87\x90\r\nsame\r\nx\x81\xE0\r\nlast");
    EXPECT_TRUE(read.unchanged(read.lines()));
    EXPECT_FALSE(read.unchanged(Lines{"x≒"}));
    // Moved lines keep their bytes; two lines of the same text lend theirs in file order; new lines are encoded.
    const auto composed = read.compose(Lines{"same", "x≒", "new ≒", "x≒", "last", "x≒"});
    ASSERT_TRUE(composed.ok());
    EXPECT_EQ(composed.value(), "same\r\nx\x87\x90\r\nnew \x81\xE0\r\nx\x81\xE0\r\nlast\r\nx\x81\xE0\r\n");
}

TEST(TextFile, WritesCrLfInCodePage932AndRefusesUnencodableTextKeepingTheOldFile) {
    test::TempDir dir;
    ASSERT_TRUE(WriteTextFile(dir / "f.txt", Lines{"あ", "", "b"}).ok());
    EXPECT_EQ(dir.read("f.txt"), "\x82\xA0\r\n\r\nb\r\n");
    const Status status = WriteTextFile(dir / "f.txt", Lines{"new 😀"});
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().cause.find("😀"), std::string::npos);
    EXPECT_EQ(dir.read("f.txt"), "\x82\xA0\r\n\r\nb\r\n");
}

TEST(TextFile, RefusesWhatIsMissingNoRegularFileOrTooLargeWithoutWaiting) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "Ca202612.myc").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "Sday.myc");
    fs::create_directory(dir / "Hday.dat");
    fs::create_symlink(dir / "gone.myc", dir / "CaFromTo.myc");
    fs::create_symlink("CaMemo.myc", dir / "CaMemo.myc");
    // A sparse file one byte over the bound; nothing of it is read.
    fs::resize_file(dir.write("Ca202701.myc", ""), kMaxReadBytes + 1);
    const std::pair<const char*, const char*> refused[] = {
        {"Ca202612.myc", "通常のファイルではありません"},
        {"Sday.myc", "通常のファイルではありません"},
        {"Hday.dat", "通常のファイルではありません"},
        {"CaFromTo.myc", "先のファイルがありません"},
        {"CaMemo.myc", "循環"},
        {"Ca202701.myc", "64 MiB"},
    };
    for (const auto& [name, cause] : refused) {
        EXPECT_TRUE(FileEntryExists(dir / name)) << name;
        const auto text = ReadTextFile(dir / name);
        ASSERT_FALSE(text.ok()) << name;
        EXPECT_EQ(text.error().path, (dir / name).string());
        EXPECT_NE(text.error().cause.find(cause), std::string::npos) << name << ": " << text.error().cause;
    }
    EXPECT_FALSE(FileEntryExists(dir / "none.myc"));
    const auto missing = ReadTextFile(dir / "none.myc");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().path, (dir / "none.myc").string());
}

} // namespace
} // namespace rekko
