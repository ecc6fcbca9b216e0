// SPDX-License-Identifier: GPL-3.0-or-later
// The xlsx command: a month's workbook as the maintenance window writes it, from the shipped template.
#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"

#include "month/PeriodStore.h"

#include "calendar/Julius.h"
#include "files/UserFiles.h"
#include "maintenance/MonthWorkbook.h"
#include "maintenance/OfficeWorkbook.h"

namespace rekko::cli {
namespace {

// The options of the maintenance window's page: those of the settings file, the page's defaults without one.
SetupSettings WorkbookOptions(const std::filesystem::path& programFolder) {
    SetupTable table = MakeSetupTable();
    const std::filesystem::path settingsFile = programFolder / kSettingsFileName;
    if (const Status read = ReadSetupSettings(table, settingsFile); !read)
        throw DataError(settingsFile.string() + ": " + read.error().cause);
    return table.values();
}

// Loads the month into the shown tab's slot and its neighbours into the slots before and after, as the main
// window holds them, with the periods over the shown days.
void LoadMonthLines(ScheduleBook& book, MonthGrid& grid, const Environment& environment, Terminal& terminal) {
    grid.setCurrentTab(1);
    for (int slot = 0; slot < 3; ++slot) {
        int32_t year = grid.Year();
        int month = grid.Month() + slot - 1;
        if (month < 1 || month > 12) {
            year += month < 1 ? -1 : 1;
            month = month < 1 ? 12 : 1;
        }
        book.setSlotMonth(slot, year, month);
        book.loadSlot(slot, ReadDataFile(environment, MonthFileName(year, month), terminal));
    }
    grid.layout();
    const int32_t first = grid.firstVisibleDay();
    book.viewPeriods(
        PeriodListTouching(ReadDataFileBytes(environment, kPeriodFileName, terminal), first, first + kGridCells - 1));
    grid.layout();
}

} // namespace

int xlsxCommand(const Args& arguments, const Environment& environment, Terminal& terminal) {
    Args args = arguments;
    ScheduleBook book;
    const int32_t today = DateTimeToJuliusDay(environment.clock.now());
    MonthGrid grid(today, book);
    LoadRules(book, args, terminal);
    ExpectCount(args, 3, 3, "xlsx YYYY MM FILE [--builtin]");
    const auto year = static_cast<int32_t>(ParseInteger(args[0], kFirstYear, kLastYear, "year"));
    grid.goToYearMonth(year, static_cast<int>(ParseInteger(args[1], 1, 12, "month")), 1);
    // The workbook's blocks have room for five lines a day, as the main window's grid at its larger size.
    MonthGridOptions gridOptions = grid.options();
    gridOptions.ItemGyo = kMaxItemGyo;
    grid.setOptions(gridOptions);
    LoadMonthLines(book, grid, environment, terminal);
    const SetupSettings options = WorkbookOptions(environment.programFolder);
    OfficeWorkbook workbook;
    const std::filesystem::path templateFile =
        (environment.shippedFolder.empty() ? environment.programFolder : environment.shippedFolder) /
        kWorkbookTemplateName;
    if (const Status opened = OpenMonthSheet(workbook, templateFile, grid.Year(), grid.Month()); !opened)
        throw DataError(templateFile.string() + ": " + opened.error().cause);
    if (const int replaced = FillMonthSheet(workbook, grid, options, today); replaced > 0)
        terminal.err << replaced << " characters a workbook cannot hold were written as U+FFFD\n";
    if (const Status saved = workbook.saveAs(environment.startedIn / args[2]); !saved)
        throw DataError(args[2] + ": " + saved.error().cause);
    return kExitOk;
}

} // namespace rekko::cli
