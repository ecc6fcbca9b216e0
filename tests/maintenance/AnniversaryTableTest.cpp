// SPDX-License-Identifier: GPL-3.0-or-later
// The anniversary table: every line form read and written back, the escapes of edited rows, the empty last row, the
// form of a row, and the written "Sday.myc".
#include "TempDir.h"

#include "base/CommaText.h"
#include "book/ScheduleBook.h"
#include "maintenance/AnniversaryTable.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

// One line of each form, a line of no form between them and two after them.
const std::vector<std::string> kEveryForm = {
    "5,3,憲法記念日",                       // month, day, name
    "5,2,1,母の日",                         // month, week, weekday, name
    "#",                                    // one field: kept aside
    "2001,0,12,24,イブ",                    // year, mode, month, day, name
    "2001,2,11,4,5,感謝",                   // year, mode, month, week, weekday, name
    ",,,,3,,火曜",                          // every Tuesday
    "2000,2010,1,1,,,\"\"\"祝\"\"　記念\"", // a name with double quotes
    "",
    "1,2,3,4,5,6,7,8",
};

TEST(AnniversaryTable, ShowsEveryFormAsTheSevenCellsOfItsMeaning) {
    const AnniversaryTable table = ReadAnniversaryTable(kEveryForm);
    ASSERT_EQ(table.rows.size(), kAnniversaryRowsAtFirst);
    EXPECT_EQ(table.rows[0].cells, (AnniversaryCells{"", "", "5", "3", "", "", "憲法記念日"}));
    EXPECT_EQ(table.rows[1].cells, (AnniversaryCells{"", "", "5", "", "日曜日", "2", "母の日"}));
    EXPECT_EQ(table.rows[2].cells, (AnniversaryCells{"2001", "2001", "12", "24", "", "", "イブ"}));
    EXPECT_EQ(table.rows[3].cells, (AnniversaryCells{"2001", "", "11", "", "木曜日", "4", "感謝"}));
    EXPECT_EQ(table.rows[4].cells, (AnniversaryCells{"", "", "", "", "火曜日", "", "火曜"}));
    EXPECT_EQ(table.rows[5].cells[acText], "\"祝\"　記念");
    EXPECT_EQ(table.rows[2].keptBefore, std::vector<std::string>{"#"});
    EXPECT_EQ(table.keptAfter, (std::vector<std::string>{"", "1,2,3,4,5,6,7,8"}));

    const std::vector<AnniversaryForm> forms = {AnniversaryForm::MonthDay,     AnniversaryForm::MonthWeekday,
                                                AnniversaryForm::MonthDay,     AnniversaryForm::MonthWeekday,
                                                AnniversaryForm::EveryWeekday, AnniversaryForm::MonthDay};
    for (size_t row = 0; row < forms.size(); ++row)
        EXPECT_EQ(FormOf(table.rows[row].cells), forms[row]) << row;
    // Rows as read go back as they were read, in their places.
    EXPECT_EQ(WriteAnniversaryTable(table), kEveryForm);
}

TEST(AnniversaryTable, WritesAnEditedRowAsSevenEscapedCellsAndDropsRowsWithoutText) {
    AnniversaryTable table = ReadAnniversaryTable(kEveryForm);
    table.rows[1].cells[acText] = "父の日";
    table.rows[0].cells[acText] = "   ";
    table.rows[4].cells = {" 2020 ", "", "x", "", "火曜日", "1,2", "a,b c"};
    table.rows[5].cells[acMonth] = "2";
    table.rows[6].cells[acText] = "名前だけ";
    const std::vector<std::string> written = WriteAnniversaryTable(table);
    const std::vector<std::string> expected = {",,5,,1,2,父の日",         "#",
                                               "2001,0,12,24,イブ",       "2001,2,11,4,5,感謝",
                                               "2020,,x,,3,1，2,a，b　c", "2000,2010,2,1,,,\"\"\"祝\"\"　記念\"",
                                               ",,,,,,名前だけ",          "",
                                               "1,2,3,4,5,6,7,8"};
    EXPECT_EQ(written, expected);
    // Every written line reads back as seven fields.
    for (const std::string& line : {written[0], written[4], written[5], written[6]})
        EXPECT_EQ(SplitCommaText(line).size(), 7u) << line;
    EXPECT_EQ(FormOf(table.rows[6].cells), AnniversaryForm::Unknown);
}

TEST(AnniversaryTable, AFullTableKeepsAnEmptyLastRowForTheNextEntry) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 54; ++i)
        lines.push_back("1," + std::to_string(i % 28 + 1) + ",日" + std::to_string(i));
    AnniversaryTable table = ReadAnniversaryTable(lines);
    ASSERT_EQ(table.rows.size(), 55u);
    EXPECT_EQ(table.placeToAdd(), 54u);
    EXPECT_EQ(table.lastWithText(), 53u);
    table.rows[54].cells[acText] = "新";
    table.keepEmptyLastRow();
    EXPECT_EQ(table.rows.size(), 56u);
    EXPECT_EQ(WriteAnniversaryTable(table).size(), 55u);
    EXPECT_EQ(ReadAnniversaryTable({}).lastWithText(), 0u);
}

TEST(AnniversaryTable, FormOfARowAndTheFieldsItTakes) {
    const auto form = [](std::string month, std::string day, std::string weekday, std::string week) {
        return FormOf({"", "", month, day, weekday, week, "x"});
    };
    EXPECT_EQ(form("", "10", "", ""), AnniversaryForm::EveryMonthDay);
    EXPECT_EQ(form("3", "", "", ""), AnniversaryForm::Unknown);
    EXPECT_EQ(form("3", "1", "月曜日", ""), AnniversaryForm::Unknown);
    EXPECT_EQ(form("", "", "月曜日", "2"), AnniversaryForm::EveryMonthWeekday);
    EXPECT_EQ(form("4", "abc", "2", "3"), AnniversaryForm::MonthWeekday);
    EXPECT_EQ(form("4", "", "", "3"), AnniversaryForm::Unknown);
    EXPECT_TRUE(FieldsOf(AnniversaryForm::MonthDay).day && !FieldsOf(AnniversaryForm::MonthDay).weekday);
    const AnniversaryFields all = FieldsOf(AnniversaryForm::Unknown);
    EXPECT_TRUE(all.month && all.day && all.weekday && all.week);
}

TEST(AnniversaryTable, DeletingTheOnlyAnniversaryLeavesAnEmptyFile) {
    const test::CurrentTempDir folder;
    folder.write("Sday.myc", ",,5,3,,,憲法記念日\r\n");
    ScheduleBook book;
    ASSERT_TRUE(book.readRuleFiles().empty());
    AnniversaryTable table = ReadAnniversaryTable(book.rules().specialDayList());
    table.rows[0].cells = {};
    ASSERT_TRUE(book.replaceSpecialDays(WriteAnniversaryTable(table)));
    EXPECT_TRUE(std::filesystem::exists(folder / "Sday.myc"));
    EXPECT_EQ(folder.read("Sday.myc"), "");
    EXPECT_TRUE(book.rules().specialDayList().empty());
}

} // namespace
} // namespace rekko
