// SPDX-License-Identifier: GPL-3.0-or-later
// The create button of the month workbook page with the real writer and template: the month shown laid out in five
// lanes, the workbook's folder, the spreadsheet program asked only for a preview, and each failure's message with
// nothing written; 規定値に戻す.
#include "MaintenanceDoubles.h"

#include "BookLines.h"
#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "maintenance/ExcelCalendar.h"
#include "maintenance/OfficeWorkbook.h"

#include <gtest/gtest.h>

#include <map>

namespace rekko {
namespace {

// The real workbook, with the texts written into it kept by cell.
struct RecordingWorkbook : OfficeWorkbook {
    std::map<std::pair<int, int>, std::string> texts;
    int writeText(int row, int column, std::string_view text) override {
        texts[{row, column}] = text;
        return OfficeWorkbook::writeText(row, column, text);
    }
};

class ExcelCalendarTest : public ::testing::Test {
protected:
    ExcelCalendarTest() {
        shell.program = program.path();
        shell.data = data.path().string();
        shell.grid = &grid;
        // February 2027 in the shown tab: the 10th has five lines, the 12th one.
        test::LoadMonth(book, 1, 2027, 2, {"10,1,,一", "10,2,,二", "10,3,,三", "10,4,,四", "10,5,,五", "12,1,,ひとつ"});
        grid.setCurrentTab(1);
        grid.goToYearMonth(2027, 2, 1);
        grid.layout();
        ResetExcelOptions(setup.edit());
    }

    // The first row of a day's block in the February 2027 grid (it starts on Sunday 31 January).
    static int BlockRow(int day) { return 8 * (day / 7 + 1) + 7; }
    static int BlockColumn(int day) { return 5 * (day % 7) + 4; }

    test::TempDir program;
    test::TempDir data;
    test::CountingShell shell;
    test::ScriptedDialogs dialogs;
    test::SetSpreadsheetProgram spreadsheet;
    test::FakeClock clock{CalendarDate{2027, 2, 3}};
    ScheduleBook book;
    MonthGrid grid{EncodeJuliusDay(2027, 2, 3), book}; // three lanes, as the main window at its small size
    SetupTable setup = MakeSetupTable();
    RecordingWorkbook sheet;
    ExcelCalendar calendar{shell, setup, dialogs, spreadsheet, clock, WORKBOOK_TEMPLATE};
};

TEST_F(ExcelCalendarTest, WritesTheShownMonthInFiveLanesAndPreviewsIt) {
    dialogs.expect(DialogAnswer::Ok, kPreviewWarning);
    const auto file = calendar.create(sheet);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, program / "RekkoExcel.xlsx");
    EXPECT_EQ(spreadsheet.shown, std::vector{*file});
    OfficeWorkbook written;
    ASSERT_TRUE(written.open(*file));
    EXPECT_EQ(written.sheetName(), "2027年2月");
    EXPECT_EQ(sheet.texts.at({9, 16}), "2027 年 2 月予定表");
    EXPECT_EQ(sheet.texts.at({10, 37}), "令和9年2月3日作成");
    const int row = BlockRow(10), column = BlockColumn(10);
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(sheet.texts.contains({row + k, column})) << "lane " << k;
    EXPECT_EQ(sheet.texts.at({BlockRow(12) + 5, BlockColumn(12)}), "ひとつ");
    EXPECT_FALSE(sheet.texts.contains({BlockRow(12) + 1, BlockColumn(12)}));
}

TEST_F(ExcelCalendarTest, EachFailureIsToldAndLeavesNoWorkbook) {
    // No spreadsheet program to preview with: known before anything is written.
    spreadsheet.present = false;
    dialogs.expect(DialogAnswer::Ok, kPreviewWarning);
    dialogs.expect(DialogAnswer::Ok, kNoSpreadsheetMessage);
    EXPECT_FALSE(calendar.create(sheet));
    // A template that is missing.
    setup.set(&SetupSettings::cbExPreview, false);
    ExcelCalendar noTemplate{shell, setup, dialogs, spreadsheet, clock, program / "Sorxl.xlsx"};
    dialogs.expect(DialogAnswer::Ok, kNoSheetMessage);
    EXPECT_FALSE(noTemplate.create(sheet));
    // Neither the program folder nor the data folder can take the workbook.
    shell.program = program / "gone";
    shell.data = (data / "gone").string();
    dialogs.expect(DialogAnswer::Ok, kNotCreatedMessage);
    EXPECT_FALSE(calendar.create(sheet));
    EXPECT_FALSE(std::filesystem::exists(program / "RekkoExcel.xlsx"));
    EXPECT_TRUE(spreadsheet.shown.empty());
}

TEST_F(ExcelCalendarTest, WithoutPreviewTheProgramIsNotAskedAndAFolderThatCannotBeWrittenGivesWayToTheData) {
    setup.set(&SetupSettings::cbExPreview, false);
    spreadsheet.present = false;
    shell.program = program / "gone";
    const auto file = calendar.create(sheet);
    EXPECT_EQ(file, data / "RekkoExcel.xlsx");
    EXPECT_TRUE(std::filesystem::exists(data / "RekkoExcel.xlsx"));
    EXPECT_EQ(spreadsheet.asked, 0);
}

TEST_F(ExcelCalendarTest, ResetAsksAndKeepsTheOptionsOnNo) {
    setup.set(&SetupSettings::rgExTitle, 2);
    setup.set(&SetupSettings::cbExNaiyou, false);
    dialogs.expect(DialogAnswer::No, "すべて規定値に戻しますか？");
    dialogs.expect(DialogAnswer::Ok, "中止します。");
    EXPECT_FALSE(calendar.resetOptions());
    EXPECT_EQ(setup.values().rgExTitle, 2);
    dialogs.expect(DialogAnswer::Yes, "すべて規定値に戻しますか？");
    EXPECT_TRUE(calendar.resetOptions());
    EXPECT_EQ(setup.values().rgExTitle, 1);
    EXPECT_TRUE(setup.values().cbExNaiyou);
}

TEST(SetupSettings, WithoutASettingsFileTheWorkbookOptionsAreThePagesDefaults) {
    const test::TempDir folder;
    SetupTable table = MakeSetupTable();
    ASSERT_TRUE(ReadSetupSettings(table, folder / "Sorel.ini"));
    EXPECT_EQ(table.values().rgExTitle, 1);
    folder.write("Sorel.ini", "[Setup]\r\ncbExPreview=0\r\n");
    SetupTable fromFile = MakeSetupTable();
    ASSERT_TRUE(ReadSetupSettings(fromFile, folder / "Sorel.ini"));
    EXPECT_EQ(fromFile.values().rgExTitle, 0);
    EXPECT_FALSE(fromFile.values().cbExPreview);
}

} // namespace
} // namespace rekko
