// SPDX-License-Identifier: GPL-3.0-or-later
// The text and CSV export: the lines of a month, and the steps from the chosen file to the written one.
#include "MaintenanceDoubles.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "book/ScheduleBook.h"
#include "calendar/RuleFiles.h"
#include "maintenance/TextExport.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using test::ScriptedDialogs;

// February 2027 (28 days; 建国記念の日 on the 11th, 天皇誕生日 on the 23rd, both Japanese holidays by law).
const std::vector<std::string> kFebruary = {
    "11,1,,式典，受付", "3,1,,a", "3,2,,", "3,3,,b", "23,1,,\"乾杯\"", "40,1,,out of month", "", "1,1,,初日",
};

class TextExportTest : public ::testing::Test {
protected:
    TextExportTest() {
        book.setHolidays(BuiltinHolidayList());
        shell.program = program.path();
        shell.data = data.path().string() + "/";
    }
    std::vector<std::string> lines(ExportFormat format, const std::vector<std::string>& month = kFebruary) const {
        auto result = MonthExportLines(2027, 2, month, book.rules(), format);
        EXPECT_TRUE(result.ok());
        return result ? result.value() : std::vector<std::string>{};
    }

    ScheduleBook book;
    test::TempDir program, data, out;
    test::CountingShell shell;
    SetupTable setup = MakeSetupTable();
    ScriptedDialogs dialogs;
    TextExport exporter{shell, setup, dialogs, book.rules()};
};

TEST_F(TextExportTest, AMonthGivesOneLinePerDayWithNamesAndTextsInFileOrder) {
    const auto text = lines(ExportFormat::Text);
    ASSERT_EQ(text.size(), 28u);
    EXPECT_EQ(text[0], "2027/02/01(月)  初日");
    EXPECT_EQ(text[1], "2027/02/02(火)  ");
    EXPECT_EQ(text[2], "2027/02/03(水)  a, , b");
    EXPECT_EQ(text[10], "2027/02/11(木)  [建国記念の日] 式典，受付");
    EXPECT_EQ(text[27], "2027/02/28(日)  ");
    const auto csv = lines(ExportFormat::Csv);
    ASSERT_EQ(csv.size(), 28u);
    EXPECT_EQ(csv[1], "2027/02/02,\"(火)\",\"\"");
    EXPECT_EQ(csv[10], "2027/02/11,\"(木)\",\"[建国記念の日] 式典，受付\"");
    // A quote of a text is doubled: the line stays three fields for every CSV reader.
    EXPECT_EQ(csv[22], "2027/02/23,\"(火)\",\"[天皇誕生日] \"\"乾杯\"\"\"");
}

TEST_F(TextExportTest, ALineWithoutADayNumberStopsTheExportNamingIt) {
    const auto result = MonthExportLines(2027, 2, {"1,1,,a", "x,1,,bad"}, book.rules(), ExportFormat::Text);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().line, 2u);
    EXPECT_EQ(result.error().cause, "2行目の日付が数値ではありません：x,1,,bad");
}

TEST_F(TextExportTest, TheExportChecksTheMonthFileAsksBeforeOverwritingAndWritesCodePage932) {
    setup.edit().rbText = false;
    setup.edit().rbCSV = true;
    dialogs.expect(DialogAnswer::Ok, "目的のデータ[Ca202702.myc]が存在しません。\r\n中止します。");
    exporter.exportTo(out / "feb.csv");
    EXPECT_EQ(setup.values().TextDir, out.path().string() + "/");
    EXPECT_EQ(shell.saves, 1);

    data.write("Ca202702.myc", "1,1,,\x8f\x89\x93\xfa\r\n"); // "初日" in code page 932
    out.write("feb.csv", "old");
    dialogs.expect(DialogAnswer::No, "同名のファイルが存在します。\r\n上書きしますか？");
    dialogs.expect(DialogAnswer::Ok, "中止します。");
    exporter.exportTo(out / "feb.csv");
    EXPECT_EQ(out.read("feb.csv"), "old");

    dialogs.expect(DialogAnswer::Yes, "同名のファイルが存在します。");
    dialogs.expect(DialogAnswer::Ok, "テキスト(feb.csv)を書き出しました。");
    exporter.exportTo(out / "feb.csv");
    const std::string bytes = out.read("feb.csv");
    // "初日" in code page 932, each line ending in CR LF.
    EXPECT_EQ(bytes.substr(0, 26), "2027/02/01,\"(\x8c\x8e)\",\"\x8f\x89\x93\xfa\"\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 28);

    data.write("Ca202702.myc", "1,1,,a\r\nbad\r\n");
    dialogs.expect(DialogAnswer::Ok, "Ca202702.myc\r\n2行目の日付が数値ではありません：bad\r\n中止します。");
    exporter.exportTo(out / "feb.csv");
    EXPECT_EQ(out.read("feb.csv"), bytes);
}

} // namespace
} // namespace rekko
