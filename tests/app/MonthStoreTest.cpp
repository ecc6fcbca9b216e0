// The month window and the month files: slots, loading, the save guard and byte-exact saving.
#include "app/MonthStore.h"

#include "calendar/Julius.h"
#include "calendar/TextFile.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Lines = std::vector<std::string>;

TEST(MonthWindow, SlotsAroundTodayWithLabelsAndFileNames) {
    MonthWindow window;
    window.build(EncodeJuliusDay(2026, 1, 15));
    EXPECT_EQ(window.slot(0).year, 2025);
    EXPECT_EQ(window.slot(0).month, 12);
    EXPECT_EQ(window.slot(0).label, "１２月");
    EXPECT_EQ(window.slot(1).label, "１月");
    EXPECT_EQ(window.slot(4).fileName, "Ca202604.myc");
    EXPECT_EQ(window.firstDay(), EncodeJuliusDay(2025, 12, 1));
    EXPECT_EQ(window.lastDay(), EncodeJuliusDay(2026, 4, 30));
    EXPECT_EQ(window.findSlot(2026, 3), 3);
    EXPECT_EQ(window.findSlot(2026, 5), -1);
    window.setJumpedMonth(2031, 7);
    EXPECT_EQ(window.slot(kJumpSlot).label, "2031. 7");
    EXPECT_EQ(window.slot(kJumpSlot).fileName, "Ca203107.myc");
}

TEST(MonthWindow, SeptemberKeepsMonthThirteenInTheLastSlot) {
    MonthWindow window;
    window.build(EncodeJuliusDay(2026, 9, 30));
    EXPECT_EQ(window.slot(kJumpSlot).year, 2026);
    EXPECT_EQ(window.slot(kJumpSlot).month, 13);
    EXPECT_EQ(window.lastDay(), EncodeJuliusDay(2026, 12, 31));
    window.build(EncodeJuliusDay(2026, 11, 1));
    EXPECT_EQ(window.slot(4).year, 2027);
    EXPECT_EQ(window.slot(4).month, 2);
    EXPECT_EQ(window.slot(4).label, "２月");
}

class MonthFiles : public ::testing::Test {
protected:
    MonthFiles() {
        store.setDataFolder(dir.path());
        store.buildWindow(EncodeJuliusDay(2024, 5, 3));
    }

    // Writes a month file of slot 1 (May 2024) with a header and n schedule lines.
    void writeMay(int n) {
        std::string bytes = " 0,0,9,2024/ 5\r\n";
        for (int i = 1; i <= n; ++i)
            bytes += std::to_string(i) + ",1,,line" + std::to_string(i) + ",,,,,,\r\n";
        dir.write("Ca202405.myc", bytes);
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    MonthGrid grid{EncodeJuliusDay(2024, 5, 3)};
    MonthStore store{dialogs, grid};
};

TEST_F(MonthFiles, GuardSavesDownToHalfAndRefusesBelow) {
    writeMay(10);
    ASSERT_TRUE(store.loadSlot(1).ok());
    auto shrinkTo = [&](size_t n) { grid.editMonthList(1, [n](Lines& lines) { lines.resize(n); }); };
    ASSERT_EQ(store.lines(1).size(), 11u);
    shrinkTo(5);
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(ReadTextFile(dir / "Ca202405.myc").value().lines.size(), 5u);
    shrinkTo(4);
    dialogs.expect(DialogAnswer::Ok);
    ASSERT_TRUE(store.saveSlot(1).ok());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "5月予定が立ち上げ時の半分以下、または０になっています。\r\nこの月は保存しません。");
    EXPECT_EQ(dialogs.shown()[0].caption, "確認 -Rekko-");
    EXPECT_EQ(store.lines(1).size(), 4u); // the data stays in memory
}

TEST_F(MonthFiles, MonthsWithoutAFileAreNotWrittenUnlessALineWasAdded) {
    ASSERT_TRUE(store.loadSlot(2).ok());
    EXPECT_EQ(store.lines(2), (Lines{" 0,0,9,2024/ 6"}));
    ASSERT_TRUE(store.saveSlot(2).ok());
    EXPECT_FALSE(std::filesystem::exists(dir / "Ca202406.myc"));
    store.replaceDay(2, 7, DaySchedule{{"歯医者"}, {LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(2).ok());
    EXPECT_EQ(dir.read("Ca202406.myc"), " 0,0,9,2024/ 6\r\n 7,1,,\x8E\x95\x88\xE3\x8E\xD2,,,,,,\r\n");
}

TEST_F(MonthFiles, RemovingEveryScheduleLeavesTheFileAsItWas) {
    writeMay(1);
    const std::string before = dir.read("Ca202405.myc");
    ASSERT_TRUE(store.loadSlot(1).ok());
    grid.editMonthList(1, [](Lines& lines) { lines.resize(1); });
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"), before);
}

TEST_F(MonthFiles, UnchangedFilesAreWrittenByteForByte) {
    const std::string bytes = " 0,0,9,2024/ 5\r\n 3,1,,\x89\xEF\x8B\x63,clRed,1,9:05:00,,1001,\n"
                              "xx,1,,kept\x80,,,,,,\r\n 4,1,,\x81\x43x,,,,,,";
    dir.write("Ca202405.myc", bytes);
    ASSERT_TRUE(store.loadSlot(1).ok());
    std::filesystem::remove(dir / "Ca202405.myc");
    ASSERT_TRUE(store.saveSlot(1).ok());
    // Mixed line ends become CR LF; the missing final line end stays missing.
    std::string expected = bytes;
    expected.replace(expected.find(",1001,\n"), 7, ",1001,\r\n");
    EXPECT_EQ(dir.read("Ca202405.myc"), expected);
}

TEST_F(MonthFiles, UnreadableMonthIsNeverOverwritten) {
    std::filesystem::create_directory(dir / "Ca202405.myc");
    EXPECT_FALSE(store.loadSlot(1).ok());
    EXPECT_TRUE(store.window().slot(1).unreadable);
    grid.setMonthList(1, 2024, 5, {" 0,0,9,2024/ 5", " 1,1,,x,,,,,,"});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Ca202405.myc"));
}

TEST_F(MonthFiles, WriteFailureIsReportedAndTheLinesStay) {
    ASSERT_TRUE(store.loadSlot(1).ok());
    grid.editMonthList(1, [](Lines& lines) { lines.push_back(" 2,1,,x,,,,,,"); });
    store.setDataFolder(dir / "gone");
    const Status status = store.saveSlot(1);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().path.find("Ca202405.myc"), std::string::npos);
    EXPECT_EQ(store.lines(1).size(), 2u);
}

TEST_F(MonthFiles, EditingTheJumpedMonthMarksIt) {
    store.setJumpedMonth(2031, 7);
    ASSERT_TRUE(store.loadSlot(kJumpSlot).ok());
    EXPECT_FALSE(store.jumpedMonthEdited);
    store.replaceDay(kJumpSlot, 1, DaySchedule{{"x"}, {LineAttribute{}}});
    EXPECT_TRUE(store.jumpedMonthEdited);
    EXPECT_EQ(grid.monthList(kJumpSlot).lines.back(), " 1,1,,x,,,,,,");
}

} // namespace
} // namespace rekko
