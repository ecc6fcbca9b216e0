// SPDX-License-Identifier: GPL-3.0-or-later
// The month files: loading, the save guard and byte-exact saving.
#include "month/MonthStore.h"

#include "base/TextFile.h"
#include "calendar/Julius.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Lines = std::vector<std::string>;

class MonthFiles : public ::testing::Test {
protected:
    MonthFiles() {
        store.setDataFolder(dir.path());
        store.buildWindow(EncodeJuliusDay(2024, 5, 3));
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    MonthGrid grid{EncodeJuliusDay(2024, 5, 3)};
    MonthStore store{dialogs, grid};
};

TEST_F(MonthFiles, GuardSavesDownToHalfAndRefusesBelow) {
    std::string bytes = " 0,0,9,2024/ 5\r\n";
    for (int day = 1; day <= 10; ++day)
        bytes += std::to_string(day) + ",1,,line,,,,,,\r\n";
    dir.write("Ca202405.myc", bytes);
    ASSERT_TRUE(store.loadSlot(1).ok());
    auto shrinkTo = [&](size_t n) { grid.editMonthList(1, [n](Lines& lines) { lines.resize(n); }); };
    ASSERT_EQ(store.lines(1).size(), 11u);
    shrinkTo(5);
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(ReadTextFile(dir / "Ca202405.myc").value().lines().size(), 5u);
    shrinkTo(4);
    dialogs.expect(DialogAnswer::Ok);
    ASSERT_TRUE(store.saveSlot(1).ok());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "5月予定が立ち上げ時の半分以下、または０になっています。\r\nこの月は保存しません。");
    EXPECT_EQ(dialogs.shown()[0].caption, "確認 -Rekko-");
    EXPECT_EQ(store.lines(1).size(), 4u); // the data stays in memory
}

// Invalid bytes and Windows duplicates: a month none of whose lines was edited is not written; after an edit every
// line the user did not edit keeps its bytes, and an edited line never changes what a carried byte means.
TEST_F(MonthFiles, SavingNeverChangesTheBytesOfLinesNotEdited) {
    const std::string kept = " 0,0,9,2024/ 5\r\n"
                             " 5,1,,A\x81\xEE\xECZ,,,,,,\r\n" // a stray lead byte before an NEC-selected kanji
                             " 6,1,,\xEE\xEE\x71,,,,,,\r\n"
                             " 7,1,,\x87\x90\xFA\x4A\xFA\x54\xFA\x58\xED\x40,,,,,,\r\n"; // duplicates
    dir.write("Ca202405.myc", kept);
    ASSERT_TRUE(store.loadSlot(1).ok());
    std::filesystem::remove(dir / "Ca202405.myc");
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_FALSE(std::filesystem::exists(dir / "Ca202405.myc")); // nothing edited: not written

    // Day 6 is edited with its own text plus a line; the other days move ahead of it and keep their bytes.
    const std::string day6 = LoadDay(store.lines(1), 6).lines.at(0);
    store.replaceDay(1, 6, DaySchedule{{day6, "x"}, {LineAttribute{}, LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"), " 0,0,9,2024/ 5\r\n"
                                        " 5,1,,A\x81\xEE\xECZ,,,,,,\r\n"
                                        " 7,1,,\x87\x90\xFA\x4A\xFA\x54\xFA\x58\xED\x40,,,,,,\r\n"
                                        " 6,1,,\xEE\xEE\x71,,,,,,\r\n"
                                        " 6,2,,x,,,,,,\r\n");
    // Day 5 rewritten as it was: 黑 may not take its IBM code FC 4B, which would pair with the stray 0x81.
    const std::string day5 = LoadDay(store.lines(1), 5).lines.at(0);
    store.replaceDay(1, 5, DaySchedule{{day5 + "黑"}, {LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_NE(dir.read("Ca202405.myc").find(" 5,1,,A\x81\xEE\xECZ\xFC\x4B,,,,,,\r\n"), std::string::npos);
    // The edited line keeps its bytes at the next save, when another day is edited.
    std::string expected = dir.read("Ca202405.myc");
    const std::string day7 = " 7,1,,\x87\x90\xFA\x4A\xFA\x54\xFA\x58\xED\x40,,,,,,\r\n";
    expected.erase(expected.find(day7), day7.size());
    store.replaceDay(1, 7, DaySchedule{{"y"}, {LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"), expected + " 7,1,,y,,,,,,\r\n");
}

// Every line written ends in CR LF, whatever the file had; the bytes from an end-of-file mark on stay.
TEST_F(MonthFiles, WrittenLinesEndInCrLfAndTextAfterTheEndMarkStays) {
    for (const std::string ending : {"\n", "\r"}) {
        dir.write("Ca202405.myc", " 0,0,9,2024/ 5" + ending + " 1,1,,a,,,,,," + ending + " 2,1,,b,,,,,,");
        store.buildWindow(EncodeJuliusDay(2024, 5, 3));
        ASSERT_TRUE(store.loadSlot(1).ok());
        store.replaceDay(1, 3, DaySchedule{{"c"}, {LineAttribute{}}});
        ASSERT_TRUE(store.saveSlot(1).ok());
        EXPECT_EQ(dir.read("Ca202405.myc"), " 0,0,9,2024/ 5\r\n 1,1,,a,,,,,,\r\n 2,1,,b,,,,,,\r\n 3,1,,c,,,,,,\r\n");
    }
    const std::string tail("\x1A 9,1,,hidden\r\n\x1A\x00tail", 20);
    dir.write("Ca202405.myc", " 0,0,9,2024/ 5\r\n 1,1,,a,,,,,," + tail);
    store.buildWindow(EncodeJuliusDay(2024, 5, 3));
    ASSERT_TRUE(store.loadSlot(1).ok());
    EXPECT_EQ(store.lines(1).size(), 2u);
    store.replaceDay(1, 3, DaySchedule{{"c"}, {LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"), " 0,0,9,2024/ 5\r\n 1,1,,a,,,,,,\r\n 3,1,,c,,,,,,\r\n" + tail);
}

TEST_F(MonthFiles, UnreadableMonthIsNeverOverwritten) {
    std::filesystem::create_directory(dir / "Ca202405.myc");
    EXPECT_FALSE(store.loadSlot(1).ok());
    EXPECT_TRUE(store.window().slot(1).unreadable);
    grid.setMonthList(1, 2024, 5, {" 0,0,9,2024/ 5", " 1,1,,x,,,,,,"});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Ca202405.myc"));
}

} // namespace
} // namespace rekko
