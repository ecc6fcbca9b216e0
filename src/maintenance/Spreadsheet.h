// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet the month workbook is written through: a template opened, its first sheet's cells written and
// coloured, and the workbook saved under another name.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// A font colour as a workbook holds it, 0xAARRGGBB; no value is the automatic colour (the window text).
using CellColour = std::optional<uint32_t>;

// Rows and columns are counted from 1, as a spreadsheet addresses its cells by row and column.
class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;

    // Opens a template, which stays as it is; its first sheet is the one the other operations work on. Fails when
    // the file is missing or is no workbook with a sheet.
    virtual Status open(const std::filesystem::path& templateFile) = 0;
    virtual std::string sheetName() const = 0;
    virtual void setSheetName(const std::string& name) = 0;

    // Writes a value into a cell, keeping the cell's style: a number as a number, a text as a string (never a
    // formula). Characters a workbook cannot hold become U+FFFD; answers how many were replaced.
    virtual void writeNumber(int row, int column, double value) = 0;
    virtual int writeText(int row, int column, std::string_view text) = 0;

    // Changes the font of one cell, the rest of its style kept.
    virtual void setFontColour(int row, int column, CellColour colour) = 0;
    virtual double fontSize(int row, int column) const = 0;
    virtual void setFontSize(int row, int column, double points) = 0;

    // Saves the workbook under a name, replacing the file at once or not at all.
    virtual Status saveAs(const std::filesystem::path& file) = 0;
};

} // namespace rekko
