// SPDX-License-Identifier: GPL-3.0-or-later
// The month workbook's pieces a read-back cannot reach: the creation date across era changes, the title forms, the
// colour conversion, text XML cannot hold, a template that is no workbook, and the template's styles kept.
#include "TempDir.h"

#include "calendar/Julius.h"
#include "maintenance/MonthWorkbook.h"
#include "maintenance/OfficeWorkbook.h"
#include "maintenance/XmlText.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(MonthWorkbook, CreationDateIsInTheEraOfTheDay) {
    EXPECT_EQ(CreationDateText(EncodeJuliusDay(2003, 12, 30)), "平成15年12月30日作成");
    EXPECT_EQ(CreationDateText(EncodeJuliusDay(2019, 4, 30)), "平成31年4月30日作成");
    EXPECT_EQ(CreationDateText(EncodeJuliusDay(2019, 5, 1)), "令和1年5月1日作成");
    EXPECT_EQ(CreationDateText(EncodeJuliusDay(2026, 12, 7)), "令和8年12月7日作成");
}

TEST(MonthWorkbook, TitleForms) {
    SetupSettings options;
    options.edtExTitle = "予定表";
    EXPECT_EQ(MonthWorkbookTitle(2003, 12, options), "2003 年 12 月");
    options.rgExTitle = 1;
    EXPECT_EQ(MonthWorkbookTitle(2003, 12, options), "2003 年 12 月予定表");
    options.rgExTitle = 2;
    EXPECT_EQ(MonthWorkbookTitle(2003, 12, options), "予定表");
}

TEST(MonthWorkbook, ColoursBecomeArgbAndSystemColoursAutomatic) {
    EXPECT_EQ(WorkbookColour(0x0000FF), 0xFFFF0000u);
    EXPECT_EQ(WorkbookColour(0xFFCC00), 0xFF00CCFFu);
    EXPECT_EQ(WorkbookColour(clWindowText), std::nullopt);
}

TEST(XmlText, ReplacesWhatXmlCannotHoldAndCountsIt) {
    const XmlText text = MakeXmlText("a\x01\tb\xED\xB2\x85\xFF"
                                     "c\xEF\xBF\xBE\xE6\x97\xA5");
    EXPECT_EQ(text.text, "a\xEF\xBF\xBD\tb\xEF\xBF\xBD\xEF\xBF\xBD"
                         "c\xEF\xBF\xBD\xE6\x97\xA5");
    EXPECT_EQ(text.replaced, 4);
}

TEST(OfficeWorkbook, RefusesAFileThatIsNoWorkbook) {
    const test::TempDir folder;
    OfficeWorkbook workbook;
    EXPECT_FALSE(workbook.open(folder / "missing.xlsx"));
    EXPECT_FALSE(workbook.open(folder.write("Sorxl.xlsx", "not a zip")));
}

TEST(OfficeWorkbook, ChangedFontsKeepTheRestOfTheStyleAndSurviveSaving) {
    const test::TempDir folder;
    OfficeWorkbook workbook;
    ASSERT_TRUE(workbook.open(WORKBOOK_TEMPLATE));
    EXPECT_EQ(workbook.sheetName(), "Sheet1");
    EXPECT_EQ(workbook.fontSize(15, 4), 12);
    workbook.setFontSize(15, 4, 10);
    workbook.setFontColour(15, 4, 0xFFFF0000);
    workbook.setFontColour(100, 60, std::nullopt); // a cell the template does not have
    EXPECT_EQ(workbook.writeText(100, 60, "x\x02"), 1);
    ASSERT_TRUE(workbook.saveAs(folder / "out.xlsx"));

    OfficeWorkbook saved;
    ASSERT_TRUE(saved.open(folder / "out.xlsx"));
    EXPECT_EQ(saved.fontSize(15, 4), 10);
    EXPECT_EQ(saved.fontSize(15, 5), 8);
}

} // namespace
} // namespace rekko
