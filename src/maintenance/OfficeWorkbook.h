// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet as an Office Open XML workbook (.xlsx): the template's parts kept as they are, its first sheet, its
// workbook part and its styles changed in place and everything zipped again on saving.
#pragma once

#include "Spreadsheet.h"
#include "ZipParts.h"

#include <pugixml.hpp>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace rekko {

class OfficeWorkbook : public Spreadsheet {
public:
    Status open(const std::filesystem::path& templateFile) override;
    std::string sheetName() const override;
    void setSheetName(const std::string& name) override;
    void writeNumber(int row, int column, double value) override;
    int writeText(int row, int column, std::string_view text) override;
    void setFontColour(int row, int column, CellColour colour) override;
    double fontSize(int row, int column) const override;
    void setFontSize(int row, int column, double points) override;
    Status saveAs(const std::filesystem::path& file) override;

private:
    // A part of the archive held as a parsed document, and where it goes back.
    struct XmlPart {
        size_t index = 0;
        pugi::xml_document document;
    };

    Status parse(XmlPart& part, const std::string& name);
    pugi::xml_node cell(int row, int column);
    pugi::xml_node findCell(int row, int column) const;
    pugi::xml_node fontOf(pugi::xml_node cell) const;
    // Gives the cell a style of its own font changed by the given change, made once for each style and change.
    void changeFont(int row, int column, const std::string& key, const std::function<void(pugi::xml_node)>& change);

    std::vector<ZipPart> m_parts;
    XmlPart m_workbook;
    XmlPart m_sheet;
    XmlPart m_styles;
    pugi::xml_node m_sheetEntry;          // the first sheet's entry in the workbook part
    pugi::xml_node m_sheetData;           // the cells of the first sheet
    std::map<int, pugi::xml_node> m_rows; // the sheet's rows by number
    std::map<std::string, int> m_derived; // style and change -> the style made for them
};

} // namespace rekko
