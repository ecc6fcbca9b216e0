// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 932 conversion (meanings of single codes, invalid bytes carried, unencodable text refused), and reading
// and writing text files in it: line rules, 0x1A, saving with the bytes of the lines read.
#include "base/TextFile.h"
#include "base/Cp932.h"
#include "base/FileEntry.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace rekko {
namespace {

std::string encoded(std::string_view text) {
    auto bytes = EncodeCp932(text);
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().cause);
    return bytes.ok() ? bytes.value() : std::string();
}

using Found = std::vector<std::pair<std::string, size_t>>;

// Lists the characters the text cannot hold in code page 932 with their offsets.
Found unencodable(std::string_view text) {
    Found found;
    for (const UnencodableCharacter& character : FindUnencodableCharacters(text))
        found.emplace_back(character.character, character.offset);
    return found;
}

// Every byte and code on its own is covered by the full table test; these are the meanings and forms that test
// does not pin down.
TEST(Cp932, JapaneseTextRoundTripsAndInvalidBytesAreCarriedAsEscapes) {
    const std::string text = "元旦　成人の日，①㈱～－＼￥";
    EXPECT_EQ(DecodeCp932(encoded(text)), text);
    EXPECT_EQ(encoded("あ"), "\x82\xA0");
    EXPECT_EQ(DecodeCp932("\x5C\x7E"), "\\~");
    EXPECT_EQ(DecodeCp932("\xB1"), "ｱ");
    EXPECT_EQ(DecodeCp932("\x82\xA0\x80\x82\xA2"), "あ\xED\xB2\x80い");
    // Shown as text, bytes that are no UTF-8 read as \xHH (carried bytes and NUL: see the terminal companion).
    EXPECT_EQ(PrintableText("ok \xC3 \xED\xA0\x80 \x1B[7m"), "ok \\xC3 \\xED\\xA0\\x80 \x1B[7m");
}

// An edit that puts a character right after a carried lead byte it pairs with in every code: written there, the byte
// would take half of it at the next read. It is refused where it stands; after a byte that starts no pair it is not.
TEST(Cp932, RefusesACharacterThatWouldPairWithTheCarriedByteBeforeIt) {
    for (const char* character : {"緞", "A"}) {
        EXPECT_EQ(unencodable(DecodeCp932("%\xEE") + character), (Found{{character, 4}}));
        EXPECT_EQ(encoded(DecodeCp932("%\x80") + character), std::string("%\x80") + encoded(character));
    }
    // Two carried bytes that would pair, side by side after an edit: the second is refused.
    EXPECT_EQ(unencodable(DecodeCp932("\x82") + DecodeCp932("\xEE")), (Found{{DecodeCp932("\xEE"), 3}}));
    // The refusal names the stray byte and what the two would read back as, not the plain character alone.
    const auto refusal = [](const std::string& text) { return EncodeCp932(text).error().cause; };
    EXPECT_EQ(refusal("😀" + DecodeCp932("\x83") + "Y"), "「😀」はシフトJISで保存できない文字です。「Y」は直前のバイト "
                                                        "\\x83 と合わせて「ズ」と読まれるため保存できません。");
    EXPECT_EQ(refusal(DecodeCp932("\x82") + DecodeCp932("\xEE")),
              "バイト \\xEE は直前のバイト \\x82 と合わせて「ゐ」と読まれるため保存できません。");
}

TEST(Cp932, NamesEveryCharacterItCannotHoldOnceAndFindsEach) {
    // An escaped byte read from a file (U+DC81) between them is no refusal; a stray continuation byte is one.
    const std::string text = "予定 한 😀\xED\xB2\x81한 \x80é";
    const auto bytes = EncodeCp932(text);
    ASSERT_FALSE(bytes.ok());
    EXPECT_EQ(bytes.error().cause, "「한」「😀」「\x80」「é」はシフトJISで保存できない文字です。");
    EXPECT_EQ(unencodable(text), (Found{{"한", 7}, {"😀", 11}, {"한", 18}, {"\x80", 22}, {"é", 23}}));
    EXPECT_TRUE(FindUnencodableCharacters("予定\xED\xB2\x81").empty());
    EXPECT_FALSE(EncodeCp932("\xC3").ok()); // not UTF-8
}

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
