// SPDX-License-Identifier: GPL-3.0-or-later
// The month workbook page's two buttons: the workbook of the month shown written from the template and shown in the
// spreadsheet program, and the options set back to the page's defaults.
#pragma once

#include "MaintenanceShell.h"
#include "MonthWorkbook.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SpreadsheetProgram.h"

#include <filesystem>
#include <optional>

namespace rekko {

inline constexpr const char* kPreviewWarning = "プレビューを閉じるまでは、Rekkoの操作はしないで下さい。";
inline constexpr const char* kNoSpreadsheetMessage = "Excel が起動できません。\r\n中止いたします。";
inline constexpr const char* kNoSheetMessage = "Excel の Sheet が使用できません。\r\n中止いたします。";
inline constexpr const char* kNotCreatedMessage = "Excelデータを作成できませんでした。";

// The caption of the create button, which follows the preview option.
const char* CreateButtonCaption(bool preview);

class ExcelCalendar {
public:
    ExcelCalendar(MaintenanceShell& shell, SetupTable& setup, Dialogs& dialogs, SpreadsheetProgram& program,
                  const Clock& clock, std::filesystem::path templateFile)
        : m_shell(shell), m_setup(setup), m_dialogs(dialogs), m_program(program), m_clock(clock),
          m_templateFile(std::move(templateFile)) {}

    // The folder the workbook goes to: the program folder, or the data folder where the program folder cannot be
    // written.
    std::filesystem::path outputFolder() const;

    // Writes the month the main window shows, as the page's options choose, through the sheet into "RekkoExcel.xlsx"
    // and, with the preview option, starts the spreadsheet program on it without waiting. Each failure is told with
    // its message; answers the workbook written, nothing when none was.
    std::optional<std::filesystem::path> create(Spreadsheet& sheet);

    // Asks, then sets the options to the page's defaults; answers whether they were.
    bool resetOptions();

private:
    MaintenanceShell& m_shell;
    SetupTable& m_setup;
    Dialogs& m_dialogs;
    SpreadsheetProgram& m_program;
    const Clock& m_clock;
    std::filesystem::path m_templateFile;
};

} // namespace rekko
