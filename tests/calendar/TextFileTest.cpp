// Reading and writing code page 932 text files: line rules, 0x1A, byte-exact saving of unchanged files.
#include "calendar/TextFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Lines = std::vector<std::string>;

std::string savedAgain(const test::TempDir& dir, std::string_view bytes) {
    const auto file = dir.write("in.myc", bytes);
    auto text = ReadTextFile(file);
    EXPECT_TRUE(text.ok());
    EXPECT_TRUE(WriteTextFile(dir / "out.myc", text.value()).ok());
    return dir.read("out.myc");
}

TEST(TextFile, LineEndsCrLfCrAndLfAllEndALine) {
    const TextLines text = ParseTextBytes("a\r\nb\rc\nd\r\n\r\ne");
    EXPECT_EQ(text.lines, (Lines{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(text.lastLineEnd, "");
    EXPECT_TRUE(ParseTextBytes("").lines.empty());
    EXPECT_EQ(ParseTextBytes("\r\n").lines, (Lines{""}));
    EXPECT_EQ(ParseTextBytes("x\r").lastLineEnd, "\r");
}

TEST(TextFile, TextEndsAtCtrlZ) {
    EXPECT_EQ(ParseTextBytes("1,1,\x8C\xB3\x92\x55\r\n\x1A" "2,11,x\r\n").lines, (Lines{"1,1,元旦"}));
    EXPECT_EQ(ParseTextBytes("ab\x1A" "cd").lines, (Lines{"ab"}));
}

TEST(TextFile, UnchangedFilesSaveToTheSameBytes) {
    test::TempDir dir;
    const std::string samples[] = {
        "",
        " 0,0,9,2026/12\r\n 6,1,,予定,clBlack,0,0,,,\r\n",
        "no final line end",
        "lines\r\nending in a lone CR\r",
        "LF at the end\r\n\n",
        "bad bytes \x80\xA0\xFD and a cut lead \x81",
        "\x82\xA0\x82\xA2\r\n\x81\r\n",
    };
    for (const auto& bytes : samples)
        EXPECT_EQ(savedAgain(dir, bytes), bytes);
    EXPECT_EQ(savedAgain(dir, "a\r\nb\x1A" "junk"), "a\r\nb");
}

TEST(TextFile, WritesCrLfInCodePage932) {
    test::TempDir dir;
    TextLines text;
    text.lines = {"あ", "", "b"};
    ASSERT_TRUE(WriteTextFile(dir / "f.txt", text).ok());
    EXPECT_EQ(dir.read("f.txt"), "\x82\xA0\r\n\r\nb\r\n");
}

TEST(TextFile, RefusesUnencodableTextAndKeepsTheOldFile) {
    test::TempDir dir;
    dir.write("f.txt", "old\r\n");
    TextLines text;
    text.lines = {"new 😀"};
    const Status status = WriteTextFile(dir / "f.txt", text);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().cause.find("😀"), std::string::npos);
    EXPECT_EQ(dir.read("f.txt"), "old\r\n");
}

TEST(TextFile, MissingFileIsAnError) {
    test::TempDir dir;
    const auto text = ReadTextFile(dir / "none.myc");
    ASSERT_FALSE(text.ok());
    EXPECT_EQ(text.error().path, (dir / "none.myc").string());
}

TEST(TextFile, HundredMegabyteFileRoundTrips) {
    test::TempDir dir;
    std::string bytes;
    const std::string line = "15,1,,\x82\xA0\x82\xA2\x82\xA4 meeting at 10:00 \x81\x40room 3,clBlack,0,0,,,\r\n";
    bytes.reserve(100'000'000 + line.size());
    while (bytes.size() < 100'000'000)
        bytes += line;
    EXPECT_EQ(savedAgain(dir, bytes).size(), bytes.size());
    EXPECT_EQ(dir.read("out.myc"), bytes);
}

} // namespace
} // namespace rekko
