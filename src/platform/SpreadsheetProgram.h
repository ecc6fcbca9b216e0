// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's spreadsheet program, which shows a written workbook for printing.
#pragma once

#include <filesystem>

namespace rekko {

class SpreadsheetProgram {
public:
    virtual ~SpreadsheetProgram() = default;

    // Answers whether the desktop names a program for workbooks.
    virtual bool installed() const = 0;
    // Starts that program on the workbook without waiting for it; answers false when it cannot be started.
    virtual bool show(const std::filesystem::path& workbook) = 0;
};

// The program the desktop's file associations name for the xlsx type: asked of xdg-mime, started through xdg-open,
// which returns at once.
class DesktopSpreadsheetProgram : public SpreadsheetProgram {
public:
    bool installed() const override;
    bool show(const std::filesystem::path& workbook) override;
};

} // namespace rekko
