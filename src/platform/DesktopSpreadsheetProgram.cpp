// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet program through the desktop's file associations.
#include "OpenDocument.h"
#include "ProgramOutput.h"
#include "SpreadsheetProgram.h"

#include <algorithm>
#include <cctype>

namespace rekko {

bool DesktopSpreadsheetProgram::installed() const {
    // xdg-open's own exit status cannot tell: it may succeed by handing the file to a browser or an archive tool.
    const auto answer = ProgramOutput(
        "xdg-mime", {"query", "default", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"},
        std::chrono::seconds(5));
    return answer && std::any_of(answer->begin(), answer->end(), [](unsigned char c) { return !std::isspace(c); });
}

bool DesktopSpreadsheetProgram::show(const std::filesystem::path& workbook) {
    return OpenDocument(workbook.string());
}

} // namespace rekko
