// SPDX-License-Identifier: GPL-3.0-or-later
// The memo's logic: code page 932 sizes, markers, jump slots moving with edits, the memo file in real files, the text a
// save keeps when the file changed on disk.
#include "memo/MemoJumps.h"
#include "memo/MemoMerge.h"
#include "memo/MemoStore.h"
#include "memo/MemoText.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace rekko {
namespace {

TEST(MemoText, SizeInCodePage932BytesAndFreeSpace) {
    EXPECT_EQ(MemoByteCount("かな漢字"), 8u);     // twelve bytes in UTF-8
    EXPECT_EQ(MemoByteCount("ｱｲ"), 2u);           // half-width kana are one byte
    EXPECT_EQ(MemoByteCount("a\nb\n"), 6u);       // line ends are CR LF
    EXPECT_EQ(MemoByteCount("\xED\xB2\x81"), 1u); // an escaped byte the file held
    EXPECT_EQ(std::tuple(FreeSpacePercent(16001), FreeSpacePercent(31999), FreeSpacePercent(100000)),
              std::tuple(50, 1, 0));
}

TEST(MemoText, TextAndFileLinesRoundTrip) {
    // A text whose last line has no "\n" comes back with it: the file ends every line in CR LF.
    for (const std::string text : {"", "\n", "a", "a\n", "a\nb", "a\n\nb\n", "\n\n"}) {
        const std::vector<std::string> lines = MemoLinesOf(text);
        const std::string back = MemoTextOf(lines);
        EXPECT_EQ(back, text.empty() || text.ends_with('\n') ? text : text + "\n");
        EXPECT_EQ(ParseTextBytes(TextLines().compose(lines).value()).lines(), lines) << text;
    }
}

TEST(MemoJumps, MarkersWithAsciiAndFullWidthAmpersands) {
    // Both ends of the digits, ASCII and full-width.
    EXPECT_EQ(std::tuple(MarkerDigit("&1"), MarkerDigit("&5"), MarkerDigit("＆１"), MarkerDigit("＆５")),
              std::tuple(1, 5, 1, 5));
    for (const char* none : {"&6", "&0", " &1", "＆1", "＆"})
        EXPECT_EQ(MarkerDigit(none), 0) << none;
    MemoJumps jumps;
    jumps.setSlots({7, 0, 0, 0, 9});
    // A text without markers keeps the remembered slots.
    EXPECT_EQ(jumps.setFromMarkers({"a", "b"}), 0);
    EXPECT_EQ(jumps.lines(), (MemoJumps::Slots{7, 0, 0, 0, 9}));
    EXPECT_EQ(jumps.setFromMarkers({"見出し", "&3 三番", "x", "＆２ 二番"}), 2);
    EXPECT_EQ(jumps.lines(), (MemoJumps::Slots{0, 4, 2, 0, 0}));
    EXPECT_EQ(std::pair(JumpTopLine(40), JumpTopLine(5)), std::pair(28, 0));
}

TEST(MemoJumps, SlotsMoveWithTheLines) {
    const std::tuple<const char*, LineChange, MemoJumps::Slots, MemoJumps::Slots> cases[] = {
        {"Enter at the start of a line pushes it down", {10, 0, 1, 0}, {10, 9, 11, 0, 0}, {11, 9, 12, 0, 0}},
        {"Enter inside a line keeps it", {10, 3, 1, 0}, {10, 11, 0, 0, 0}, {10, 12, 0, 0, 0}},
        {"a paste of five lines moves slots inside its range", {10, 0, 5, 0}, {12, 15, 9, 0, 0}, {17, 20, 9, 0, 0}},
        {"joining line 11 into 10", {10, 5, 0, 1}, {10, 11, 12, 0, 0}, {10, 10, 11, 0, 0}},
        {"deleting lines 11 to 13", {10, 2, 0, 3}, {12, 14, 40, 9, 0}, {10, 11, 37, 9, 0}},
        {"typing within a line", {10, 2, 0, 0}, {10, 11, 0, 0, 0}, {10, 11, 0, 0, 0}},
    };
    for (const auto& [what, change, before, after] : cases) {
        MemoJumps jumps;
        jumps.setSlots(before);
        jumps.shift(change);
        EXPECT_EQ(jumps.lines(), after) << what;
    }
}

// The disk unchanged but for its line ends or end-of-file mark, or missing: ours; changed there only: theirs; changed
// on both sides: the user chooses.
TEST(MemoSaves, TheDiskDecidesWhichTextIsKept) {
    const TextLines base = ParseTextBytes("a\r\nb\r\n");
    const std::vector<std::string> unedited{"a", "b"}, edited{"a", "b", "c"};
    for (const std::optional<std::string_view> disk : {std::optional<std::string_view>(), {"a\nb"}, {"a\r\nb\r\n\x1A"}})
        EXPECT_EQ(DecideMemoSave(base, edited, disk), MemoSave::WriteOurs);
    EXPECT_EQ(DecideMemoSave(base, unedited, "a\r\nb\r\nd\r\n"), MemoSave::KeepTheirs);
    EXPECT_EQ(DecideMemoSave(base, edited, "a\r\nb\r\nd\r\n"), MemoSave::Choose);
}

class MemoFiles : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    MemoStore store{dialogs};
};

TEST_F(MemoFiles, UnmodifiedMemoIsNotWrittenAndInvalidBytesSurvive) {
    // 0x81 0x20 is a lead byte with a bad trail byte; 0xFF is never valid.
    const std::string bytes = "a\x81\x20z\r\n\xFF\r\n";
    dir.write("CaMemo.myc", bytes);
    const auto loaded = store.load(dir / "CaMemo.myc");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(std::pair(loaded.value().created, loaded.value().unchanged), std::pair(false, false));
    ASSERT_TRUE(store.save("overwritten?", false));
    EXPECT_EQ(dir.read("CaMemo.myc"), bytes);
    // Loaded again as it was, the memo shown stays; changed on disk, it is read afresh.
    EXPECT_TRUE(store.load(dir / "CaMemo.myc").value().unchanged);
    dir.write("CaMemo.myc", "b\r\n");
    const auto changed = store.load(dir / "CaMemo.myc");
    EXPECT_EQ(std::pair(changed.value().unchanged, changed.value().text), std::pair(false, std::string("b\n")));

    dir.write("CaMemo.myc", bytes);
    ASSERT_FALSE(store.load(dir / "CaMemo.myc").value().unchanged);
    // Modified but back to the same text: the file is not replaced.
    const auto before = test::InodeOf(dir / "CaMemo.myc");
    ASSERT_TRUE(store.save(loaded.value().text, true));
    EXPECT_EQ(test::InodeOf(dir / "CaMemo.myc"), before);
    ASSERT_TRUE(store.save(loaded.value().text + "追記\n", true));
    EXPECT_EQ(dir.read("CaMemo.myc"), bytes + "\x92\xC7\x8B\x4C\r\n");
    EXPECT_FALSE(store.load(dir / "CaMemo.myc").value().unchanged) << "a saved text is read back as written";
    EXPECT_TRUE(dialogs.shown().empty());
}

// A memo changed here and by another writer since it was read: the choice decides, theirs without one; a memo
// whose text is still the one read takes theirs without asking, and a file that keeps theirs shows it once.
TEST_F(MemoFiles, AMemoChangedHereAndOnDiskKeepsTheChosenText) {
    dir.write("CaMemo.myc", "a\r\n");
    ASSERT_TRUE(store.load(dir / "CaMemo.myc"));
    dir.write("CaMemo.myc", "a\r\ntheirs\r\n");
    ASSERT_TRUE(store.save("a\nours\n", true));
    EXPECT_EQ(dir.read("CaMemo.myc"), "a\r\ntheirs\r\n") << "without a choice theirs stays";
    EXPECT_EQ(store.takeDiskText(), "a\ntheirs\n");
    EXPECT_EQ(store.takeDiskText(), std::nullopt);

    std::vector<std::pair<std::string, std::string>> asked;
    store.setConflictChoice([&](const std::string& ours, const std::string& theirs) {
        asked.emplace_back(ours, theirs);
        return MemoKeep::Ours;
    });
    dir.write("CaMemo.myc", "a\r\ntheirs\r\nmore\r\n");
    ASSERT_TRUE(store.save("a\ntheirs\nours\n", true));
    EXPECT_EQ(asked, (std::vector<std::pair<std::string, std::string>>{{"a\ntheirs\nours\n", "a\ntheirs\nmore\n"}}));
    EXPECT_EQ(dir.read("CaMemo.myc"), "a\r\ntheirs\r\nours\r\n");
    EXPECT_EQ(store.takeDiskText(), std::nullopt);

    // Ours is the text last written: theirs is kept without a question.
    dir.write("CaMemo.myc", "b\r\n");
    ASSERT_TRUE(store.save("a\ntheirs\nours\n", true));
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(dir.read("CaMemo.myc"), "b\r\n");
    EXPECT_EQ(store.takeDiskText(), "b\n");
}

TEST_F(MemoFiles, MemoOverCapacityIsKeptWhole) {
    std::string text; // 110 000 bytes
    for (int i = 0; i < 5000; ++i)
        text += "０１２３４５６７８９\n";
    dialogs.expect(DialogAnswer::Ok);
    ASSERT_TRUE(store.load(dir / "CaMemo.myc"));
    ASSERT_TRUE(store.save(text, true));
    EXPECT_EQ(dir.read("CaMemo.myc").size(), 110000u);
    EXPECT_EQ(FreeSpacePercent(MemoByteCount(text)), 0);
    MemoStore again(dialogs);
    EXPECT_EQ(again.load(dir / "CaMemo.myc").value().text, text);
}

TEST_F(MemoFiles, UnreadableMemoIsNeverWritten) {
    std::filesystem::create_directory(dir / "CaMemo.myc");
    EXPECT_FALSE(store.load(dir / "CaMemo.myc"));
    EXPECT_FALSE(store.save("new text", true));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "CaMemo.myc"));
}

TEST_F(MemoFiles, SaveAsAsksBeforeReplacingAFile) {
    ASSERT_TRUE(store.saveAs(dir / "Memo", "メモ").value());
    EXPECT_EQ(dir.read("Memo"), "\x83\x81\x83\x82\r\n");
    dialogs.expect(DialogAnswer::No);
    EXPECT_FALSE(store.saveAs(dir / "Memo", "別の").value());
    EXPECT_EQ(dir.read("Memo"), "\x83\x81\x83\x82\r\n");
    dialogs.expect(DialogAnswer::Yes);
    EXPECT_TRUE(store.saveAs(dir / "Memo", "x\n").value());
    EXPECT_EQ(dir.read("Memo"), "x\r\n");
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, "同じ名前のファイルが存在します。\r\n上書きしますか？");
    EXPECT_FALSE(store.saveAs(dir / "no-such-folder" / "Memo", "x"));
}

TEST_F(MemoFiles, ShippedTextsBesideTheProgramOrTheExecutable) {
    std::filesystem::create_directory(dir / "program");
    std::filesystem::create_directory(dir / "bin");
    dir.write("bin/ReadMe.txt", "\x83\x8A\x81\x5B\x83\x68\x83\x7E\x81\x5B\r\n");
    EXPECT_EQ(ShippedTextPath("ReadMe.txt", dir / "program", dir / "bin"), dir / "bin" / "ReadMe.txt");
}

// The usage texts shipped with the program are code page 932 with CR LF line ends, and teach Shift-drag for a period:
// most window managers take Alt-drag for moving windows.
TEST(ShippedTexts, TeachShiftDragForAPeriod) {
    for (const char* name : {"CaSima.dat", "ReadMe.txt"}) {
        const std::filesystem::path file = std::filesystem::path(REKKO_SOURCE_DIR) / "src" / "resources" / name;
        const std::string bytes = test::ReadFile(file);
        size_t lineEnds = 0;
        for (size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1), ++lineEnds)
            EXPECT_TRUE(at > 0 && bytes[at - 1] == '\r') << name << " byte " << at;
        EXPECT_EQ(lineEnds, static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\r'))) << name;
        const auto text = ReadShippedText(file);
        ASSERT_TRUE(text) << name;
        const std::vector<std::string> lines = MemoLinesOf(text.value());
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find("Shift") != std::string::npos && line.find("ドラッグ") != std::string::npos;
        })) << name;
    }
}

} // namespace
} // namespace rekko
