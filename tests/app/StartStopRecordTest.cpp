// SPDX-License-Identifier: GPL-3.0-or-later
// The start-and-stop record in real files: start lines with trimming, the missing-file question, the message about
// the last stop, stop lines, the option switch, and the table with its era dates.
#include "app/StartStopRecord.h"
#include "app/StartStopTable.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

class Record : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{8, 15, 42}};
    StartStopRecord record{dir / "SorelSte.myd", clock, dialogs};

    std::string file() const { return dir.read("SorelSte.myd"); }
};

TEST_F(Record, StartKeepsTheNewestLines) {
    dir.write("SorelSte.myd", "S:2024/05/01 9:00:00\r\nE:2024/05/01 18:00:00\r\nS:2024/05/02 9:00:00\r\n");
    EXPECT_EQ(record.appendStart(3, true).value(), "前回は不正終了しました。");
    EXPECT_EQ(file(), "E:2024/05/01 18:00:00\r\nS:2024/05/02 9:00:00\r\nS:2024/05/03 8:15:42\r\n");
    // A limit of 0 or less keeps the new start line all the same.
    ASSERT_TRUE(record.appendStart(0, false));
    EXPECT_EQ(file(), "S:2024/05/03 8:15:42\r\n");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Record, MissingFileAtStartIsMadeOnlyWhenTheUserAgrees) {
    dialogs.expect(DialogAnswer::No);
    dialogs.expect(DialogAnswer::Ok);
    EXPECT_EQ(record.appendStart(100, true).value(), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(dir / "SorelSte.myd"));
    dialogs.expect(DialogAnswer::Yes);
    EXPECT_EQ(record.appendStart(100, true).value(), std::nullopt);
    EXPECT_EQ(file(), "S:2024/05/03 8:15:42\r\n");
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[1].text, "起動＆終了時刻の記録を今回は中止いたします。");
}

TEST_F(Record, UnwritableOrUnreadableRecordFails) {
    // A record that cannot be read is never written.
    std::filesystem::create_directory(dir / "SorelSte.myd");
    EXPECT_FALSE(record.appendStart(100, true));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "SorelSte.myd"));
    // A folder where no file can be made, even by root.
    StartStopRecord unwritable("/proc/self/status", clock, dialogs);
    EXPECT_FALSE(unwritable.appendStart(100, true));
    EXPECT_TRUE(dialogs.shown().empty());
}

// A last line without its line end gets one before the stop; a garbled last stop is no message.
TEST_F(Record, StopLinesAndGarbledRecords) {
    EXPECT_TRUE(record.appendStop());
    EXPECT_FALSE(std::filesystem::exists(dir / "SorelSte.myd"));
    dir.write("SorelSte.myd", "S:2024/05/03 8:15:42");
    ASSERT_TRUE(record.appendStop());
    EXPECT_EQ(file(), "S:2024/05/03 8:15:42\r\nE:2024/05/03 8:15:42\r\n");
    dir.write("SorelSte.myd", "E:garbage\r\n");
    EXPECT_FALSE(record.appendStart(100, true));
}

TEST(StartStopTable, RowsForStartsStopsAndMarks) {
    test::ScriptedDialogs dialogs;
    const std::vector<std::string> lines = {"T:2003/12/31 23:59:59",
                                            "S:2004/05/04 9:00:00",
                                            "S:2004/05/05 9:30:00",
                                            "F:2004/05/05 12:00:00",
                                            "garbage",
                                            "E:2004/05/06 1:02:03",
                                            "F",
                                            "S:2019/04/30 23:00:00",
                                            "E:2019/05/01 0:10:00"};
    const std::vector<StartStopRow> expected = {{"平成15年12月31日(水)", "記録開始", "-"},
                                                {"平成16年5月4日(火)", "9:00:00", "不正終了"},
                                                {"平成16年5月5日(水)", "9:30:00", "記録停止"},
                                                {"平成16年5月6日(木)", "-", "1:02:03"},
                                                {"-", "-", "記録終了"},
                                                {"平成31年4月30日(火)", "23:00:00", "0:10:00"}};
    EXPECT_EQ(StartStopRows(lines, dialogs), expected);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST(StartStopTable, UnreadableDatesAreAskedAboutOncePerRecord) {
    const std::vector<std::string> lines = {"S:2024/02/30 9:00:00", "E:xx", "S:2024/05/03 8:00:00", "S:yesterday",
                                            "S:2024/05/04 8:00:00"};
    test::ScriptedDialogs goOn;
    goOn.expect(DialogAnswer::No);
    const auto rows = StartStopRows(lines, goOn);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (StartStopRow{"不明", "不明", "不明"}));
    EXPECT_EQ(rows[2], (StartStopRow{"不明", "不明", "不正終了"}));
    EXPECT_EQ(rows[3].date, "令和6年5月4日(土)");
    ASSERT_EQ(goOn.shown().size(), 1u);
    EXPECT_EQ(goOn.shown()[0].text, "中止しますか？");

    test::ScriptedDialogs stop;
    stop.expect(DialogAnswer::Yes);
    EXPECT_EQ(StartStopRows(lines, stop).size(), 1u);
}

} // namespace
} // namespace rekko
