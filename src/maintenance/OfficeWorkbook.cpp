// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet as an Office Open XML workbook, read with libzip and pugixml.
#include "OfficeWorkbook.h"

#include "XmlText.h"

#include "base/AtomicWrite.h"

#include <array>
#include <cstdio>
#include <sstream>

namespace rekko {
namespace {

constexpr const char* kWorkbookPart = "xl/workbook.xml";
constexpr const char* kWorkbookRelations = "xl/_rels/workbook.xml.rels";
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

// The children of a font in the order the workbook's schema wants them.
constexpr std::array<std::string_view, 15> kFontOrder{"b",       "i",      "strike", "condense",  "extend",
                                                      "outline", "shadow", "u",      "vertAlign", "sz",
                                                      "color",   "name",   "family", "charset",   "scheme"};

std::string ColumnName(int column) {
    std::string name;
    for (int n = column; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

// Returns the column of a cell reference such as "AB12".
int ColumnOf(const char* reference) {
    int column = 0;
    for (const char* p = reference; *p >= 'A' && *p <= 'Z'; ++p)
        column = column * 26 + (*p - 'A' + 1);
    return column;
}

pugi::xml_node NthChild(pugi::xml_node parent, int index) {
    int i = 0;
    for (pugi::xml_node child : parent.children())
        if (i++ == index)
            return child;
    return {};
}

int ChildCount(pugi::xml_node parent, const char* name) {
    int count = 0;
    for ([[maybe_unused]] pugi::xml_node child : parent.children(name))
        ++count;
    return count;
}

// Returns a font's child of the given name, made in its place when the font has none.
pugi::xml_node FontChild(pugi::xml_node font, std::string_view name) {
    if (pugi::xml_node found = font.child(std::string(name).c_str()))
        return found;
    const auto rank = [](std::string_view child) {
        for (size_t i = 0; i < kFontOrder.size(); ++i)
            if (kFontOrder[i] == child)
                return i;
        return kFontOrder.size();
    };
    for (pugi::xml_node child : font.children())
        if (rank(child.name()) > rank(name))
            return font.insert_child_before(std::string(name).c_str(), child);
    return font.append_child(std::string(name).c_str());
}

std::string RelationTarget(const pugi::xml_document& relations, const std::string& id) {
    const pugi::xml_node relation =
        relations.child("Relationships").find_child_by_attribute("Relationship", "Id", id.c_str());
    const std::string target = relation.attribute("Target").value();
    return target.starts_with('/') ? target.substr(1) : "xl/" + target;
}

std::string StylesTarget(const pugi::xml_document& relations) {
    for (pugi::xml_node relation : relations.child("Relationships").children("Relationship")) {
        const std::string_view type = relation.attribute("Type").value();
        if (type.ends_with("/styles"))
            return RelationTarget(relations, relation.attribute("Id").value());
    }
    return {};
}

} // namespace

Status OfficeWorkbook::parse(XmlPart& part, const std::string& name) {
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (m_parts[i].name != name)
            continue;
        part.index = i;
        const pugi::xml_parse_result parsed =
            part.document.load_buffer(m_parts[i].bytes.data(), m_parts[i].bytes.size(), kParseFlags);
        if (!parsed)
            return Failure{name + ": " + parsed.description()};
        return Success();
    }
    return Failure{name + ": no such part in the workbook"};
}

Status OfficeWorkbook::open(const std::filesystem::path& templateFile) {
    auto parts = ReadZipParts(templateFile);
    if (!parts)
        return parts.error();
    m_parts = std::move(parts).value();
    m_rows.clear();
    m_derived.clear();
    XmlPart relations;
    for (Status parsed : {parse(m_workbook, kWorkbookPart), parse(relations, kWorkbookRelations)})
        if (!parsed)
            return Failure{parsed.error().cause, templateFile.string()};
    m_sheetEntry = m_workbook.document.child("workbook").child("sheets").child("sheet");
    if (!m_sheetEntry)
        return Failure{"the workbook has no sheet", templateFile.string()};
    for (Status parsed : {parse(m_sheet, RelationTarget(relations.document, m_sheetEntry.attribute("r:id").value())),
                          parse(m_styles, StylesTarget(relations.document))})
        if (!parsed)
            return Failure{parsed.error().cause, templateFile.string()};
    m_sheetData = m_sheet.document.child("worksheet").child("sheetData");
    if (!m_sheetData || !m_styles.document.child("styleSheet").child("cellXfs"))
        return Failure{"the workbook's sheet or styles are incomplete", templateFile.string()};
    for (pugi::xml_node row : m_sheetData.children("row"))
        m_rows[row.attribute("r").as_int()] = row;
    return Success();
}

std::string OfficeWorkbook::sheetName() const {
    return m_sheetEntry.attribute("name").value();
}

void OfficeWorkbook::setSheetName(const std::string& name) {
    m_sheetEntry.attribute("name").set_value(MakeXmlText(name).text.c_str());
}

pugi::xml_node OfficeWorkbook::findCell(int row, int column) const {
    const auto found = m_rows.find(row);
    if (found == m_rows.end())
        return {};
    for (pugi::xml_node cell : found->second.children("c"))
        if (ColumnOf(cell.attribute("r").value()) == column)
            return cell;
    return {};
}

pugi::xml_node OfficeWorkbook::cell(int row, int column) {
    auto found = m_rows.find(row);
    if (found == m_rows.end()) {
        const auto after = m_rows.upper_bound(row);
        pugi::xml_node node = after == m_rows.end() ? m_sheetData.append_child("row")
                                                    : m_sheetData.insert_child_before("row", after->second);
        node.append_attribute("r").set_value(row);
        found = m_rows.emplace(row, node).first;
    }
    pugi::xml_node rowNode = found->second;
    pugi::xml_node before;
    for (pugi::xml_node cell : rowNode.children("c")) {
        const int at = ColumnOf(cell.attribute("r").value());
        if (at == column)
            return cell;
        if (at > column) {
            before = cell;
            break;
        }
    }
    rowNode.remove_attribute("spans"); // a hint the new cell may fall outside of
    pugi::xml_node cell = before ? rowNode.insert_child_before("c", before) : rowNode.append_child("c");
    cell.append_attribute("r").set_value((ColumnName(column) + std::to_string(row)).c_str());
    return cell;
}

void OfficeWorkbook::writeNumber(int row, int column, double value) {
    pugi::xml_node target = cell(row, column);
    target.remove_attribute("t");
    target.remove_children();
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    target.append_child("v").text().set(text);
}

int OfficeWorkbook::writeText(int row, int column, std::string_view text) {
    const XmlText safe = MakeXmlText(text);
    pugi::xml_node target = cell(row, column);
    target.remove_children();
    if (pugi::xml_attribute type = target.attribute("t"))
        type.set_value("inlineStr");
    else
        target.append_attribute("t").set_value("inlineStr");
    pugi::xml_node node = target.append_child("is").append_child("t");
    node.append_attribute("xml:space").set_value("preserve");
    node.text().set(safe.text.c_str());
    return safe.replaced;
}

pugi::xml_node OfficeWorkbook::fontOf(pugi::xml_node cell) const {
    const pugi::xml_node sheet = m_styles.document.child("styleSheet");
    const pugi::xml_node xf = NthChild(sheet.child("cellXfs"), cell.attribute("s").as_int());
    return NthChild(sheet.child("fonts"), xf.attribute("fontId").as_int());
}

double OfficeWorkbook::fontSize(int row, int column) const {
    return fontOf(findCell(row, column)).child("sz").attribute("val").as_double(11);
}

void OfficeWorkbook::changeFont(int row, int column, const std::string& key,
                                const std::function<void(pugi::xml_node)>& change) {
    pugi::xml_node target = cell(row, column);
    const int style = target.attribute("s").as_int();
    const std::string derivedKey = std::to_string(style) + "|" + key;
    auto found = m_derived.find(derivedKey);
    if (found == m_derived.end()) {
        pugi::xml_node sheet = m_styles.document.child("styleSheet");
        pugi::xml_node fonts = sheet.child("fonts");
        if (!fonts)
            fonts = sheet.prepend_child("fonts");
        pugi::xml_node font = fonts.append_copy(fontOf(target));
        if (font.empty() || std::string_view(font.name()) != "font")
            font = fonts.append_child("font");
        change(font);
        const int fontCount = ChildCount(fonts, "font");
        fonts.remove_attribute("count");
        fonts.append_attribute("count").set_value(fontCount);
        pugi::xml_node xfs = sheet.child("cellXfs");
        pugi::xml_node xf = NthChild(xfs, style);
        xf = xf ? xfs.append_copy(xf) : xfs.append_child("xf");
        xf.remove_attribute("fontId");
        xf.append_attribute("fontId").set_value(fontCount - 1);
        xf.remove_attribute("applyFont");
        xf.append_attribute("applyFont").set_value(1);
        const int xfCount = ChildCount(xfs, "xf");
        xfs.remove_attribute("count");
        xfs.append_attribute("count").set_value(xfCount);
        found = m_derived.emplace(derivedKey, xfCount - 1).first;
    }
    if (!target.attribute("s"))
        target.append_attribute("s");
    target.attribute("s").set_value(found->second);
}

void OfficeWorkbook::setFontColour(int row, int column, CellColour colour) {
    char rgb[16] = "auto";
    if (colour)
        std::snprintf(rgb, sizeof rgb, "%08X", *colour);
    changeFont(row, column, std::string("colour ") + rgb, [&](pugi::xml_node font) {
        pugi::xml_node node = FontChild(font, "color");
        node.remove_attributes();
        if (colour)
            node.append_attribute("rgb").set_value(rgb);
        else
            node.append_attribute("auto").set_value(1);
    });
}

void OfficeWorkbook::setFontSize(int row, int column, double points) {
    changeFont(row, column, "size " + std::to_string(points), [&](pugi::xml_node font) {
        pugi::xml_node node = FontChild(font, "sz");
        node.remove_attributes();
        node.append_attribute("val").set_value(points);
    });
}

Status OfficeWorkbook::saveAs(const std::filesystem::path& file) {
    for (XmlPart* part : {&m_workbook, &m_sheet, &m_styles}) {
        std::ostringstream text;
        part->document.save(text, "", pugi::format_raw | pugi::format_no_declaration);
        m_parts[part->index].bytes = std::move(text).str();
    }
    const auto bytes = ZipBytes(m_parts);
    if (!bytes)
        return Failure{bytes.error().cause, file.string()};
    return WriteFileAtomically(file, bytes.value());
}

} // namespace rekko
