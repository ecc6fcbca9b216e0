// SPDX-License-Identifier: GPL-3.0-or-later
// The month workbook: the template's first sheet named for the month, then filled with the title, the creation date
// and the 42 day cells of the month grid, as the options of the maintenance window choose.
#pragma once

#include "SetupSettings.h"
#include "Spreadsheet.h"

#include "base/Colour.h"
#include "controls/MonthGrid.h"

#include <filesystem>
#include <string>

namespace rekko {

inline constexpr const char* kWorkbookTemplateName = "Sorxl.xlsx";
inline constexpr const char* kMonthWorkbookName = "RekkoExcel.xlsx";

// Returns a colour value (0x00BBGGRR) as a workbook's font colour (0xFFRRGGBB); a system colour becomes the
// automatic colour.
CellColour WorkbookColour(TColor colour);

// Returns the title of the chosen form: "2003 年 12 月", the same followed by the title text, or the text alone.
std::string MonthWorkbookTitle(int32_t year, int month, const SetupSettings& options);

// Returns a day as the creation date in the Japanese era, such as "平成15年12月30日作成"; a day before 1868 keeps
// its western year.
std::string CreationDateText(int32_t jd);

// Opens the template and names its first sheet for the month ("2003年12月"). Fails when the template is missing or
// is no workbook with a sheet.
Status OpenMonthSheet(Spreadsheet& sheet, const std::filesystem::path& templateFile, int32_t year, int month);

// Writes the title, the creation date (today) and the grid's 42 cells from its last layout into the sheet: in each
// block the day number, the anniversary text and the holiday name and the day lines of lanes 0-4, coloured by
// weekday and kind, a neighbouring month's days in light colours with a day number 2 points smaller. The grid should
// hold five lanes a cell, as many as a block has rows for lines. Answers how
// many characters the workbook could not hold and got as U+FFFD.
int FillMonthSheet(Spreadsheet& sheet, const MonthGrid& grid, const SetupSettings& options, int32_t today);

} // namespace rekko
