// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the shown month's workbook and starting the spreadsheet program on it.
#include "ExcelCalendar.h"

#include "calendar/Julius.h"
#include "files/UserFiles.h"
#include "platform/ProgramLocation.h"

namespace rekko {

const char* CreateButtonCaption(bool preview) {
    return preview ? "エクセルカレンダ\r\nプレビュー" : "エクセルカレンダ\r\n作成";
}

std::filesystem::path ExcelCalendar::outputFolder() const {
    const std::filesystem::path program = m_shell.programFolder();
    if (IsWritableFolder(program))
        return program;
    return DataFolderPath(m_shell.dataFolder());
}

std::optional<std::filesystem::path> ExcelCalendar::create(Spreadsheet& sheet) {
    const SetupSettings& options = m_setup.values();
    if (options.cbExPreview) {
        m_dialogs.inform(kPreviewWarning);
        // Known before anything is written: the opener itself would succeed by handing the file to any program.
        if (!m_program.installed()) {
            m_dialogs.inform(kNoSpreadsheetMessage);
            return std::nullopt;
        }
    }
    const MonthGrid& shown = m_shell.shownGrid();
    if (!OpenMonthSheet(sheet, m_templateFile, shown.Year(), shown.Month())) {
        m_dialogs.inform(kNoSheetMessage);
        return std::nullopt;
    }
    // The workbook's blocks have room for five lines a day: the month is laid out again with five lanes a cell.
    const int32_t today = DateTimeToJuliusDay(m_clock.now());
    MonthGrid grid(today, shown.book());
    MonthGridOptions gridOptions = shown.options();
    gridOptions.ItemGyo = kMaxItemGyo;
    grid.setOptions(gridOptions);
    grid.setCurrentTab(shown.currentTab());
    grid.goToYearMonth(shown.Year(), shown.Month(), 1);
    grid.layout();
    const int replaced = FillMonthSheet(sheet, grid, options, today);
    const std::filesystem::path file = outputFolder() / kMonthWorkbookName;
    if (!sheet.saveAs(file)) {
        m_dialogs.inform(kNotCreatedMessage);
        return std::nullopt;
    }
    if (replaced > 0)
        m_dialogs.inform(std::to_string(replaced) +
                         " 文字はブックに書けないため、\r\n\"\xEF\xBF\xBD\" として書き出しました。");
    if (options.cbExPreview && !m_program.show(file))
        m_dialogs.inform(kNoSpreadsheetMessage);
    return file;
}

bool ExcelCalendar::resetOptions() {
    if (!m_dialogs.ask("すべて規定値に戻しますか？")) {
        m_dialogs.inform("中止します。");
        return false;
    }
    ResetExcelOptions(m_setup.edit());
    return true;
}

} // namespace rekko
