// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the month workbook's template: one A4 landscape sheet with the title and date cells, the weekday headers
// and six weeks of bordered day blocks of 8 rows and 5 columns from row 15, column 4.
#include <xlsxwriter.h>

#include <array>
#include <cstdio>
#include <map>

namespace {

constexpr int kFirstBlockRow = 15; // rows and columns counted from 1, as the filler addresses them
constexpr int kFirstBlockColumn = 4;
constexpr int kBlockRows = 8;
constexpr int kBlockColumns = 5;
constexpr int kWeeks = 6;
constexpr int kLastColumn = kFirstBlockColumn + 7 * kBlockColumns - 1;
constexpr int kLastRow = kFirstBlockRow + kWeeks * kBlockRows - 1;
constexpr const char* kFont = "IPAGothic";

lxw_format* NewFormat(lxw_workbook* book, double size) {
    lxw_format* format = workbook_add_format(book);
    format_set_font_name(format, kFont);
    format_set_font_size(format, size);
    return format;
}

// The formats of a block's cells by which of its edges they touch, made once each.
class BlockFormats {
public:
    explicit BlockFormats(lxw_workbook* book) : m_book(book) {}

    lxw_format* at(int row, int column) {
        const bool top = row == 0;
        const bool bottom = row == kBlockRows - 1;
        const bool left = column == 0;
        const bool right = column == kBlockColumns - 1;
        const bool dayNumber = top && left;
        const int key = (top ? 1 : 0) | (bottom ? 2 : 0) | (left ? 4 : 0) | (right ? 8 : 0) | (dayNumber ? 16 : 0);
        auto found = m_formats.find(key);
        if (found != m_formats.end())
            return found->second;
        lxw_format* format = NewFormat(m_book, dayNumber ? 12 : 8);
        format_set_align(format, LXW_ALIGN_LEFT);
        if (dayNumber)
            format_set_bold(format);
        if (top)
            format_set_top(format, LXW_BORDER_MEDIUM);
        if (bottom)
            format_set_bottom(format, LXW_BORDER_MEDIUM);
        if (left)
            format_set_left(format, LXW_BORDER_MEDIUM);
        if (right)
            format_set_right(format, LXW_BORDER_MEDIUM);
        m_formats.emplace(key, format);
        return format;
    }

private:
    lxw_workbook* m_book;
    std::map<int, lxw_format*> m_formats;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: xlsxtemplate FILE\n");
        return 2;
    }
    lxw_workbook* book = workbook_new(argv[1]);
    if (book == nullptr) {
        std::fprintf(stderr, "xlsxtemplate: cannot create %s\n", argv[1]);
        return 1;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 9); // A4
    worksheet_set_margins(sheet, 0.4, 0.4, 0.4, 0.4);
    worksheet_center_horizontally(sheet);
    worksheet_fit_to_pages(sheet, 1, 1);
    worksheet_print_area(sheet, 0, 0, kLastRow - 1, kLastColumn);

    worksheet_set_column(sheet, 0, kFirstBlockColumn - 2, 1.5, nullptr);
    worksheet_set_column(sheet, kFirstBlockColumn - 1, kLastColumn - 1, 4.2, nullptr);
    worksheet_set_column(sheet, kLastColumn, kLastColumn, 1.5, nullptr);
    for (int row = 0; row < 8; ++row)
        worksheet_set_row(sheet, row, 4, nullptr);

    // The title over the middle of the page and the creation date at its right.
    lxw_format* title = NewFormat(book, 18);
    format_set_bold(title);
    worksheet_write_blank(sheet, 8, 15, title);
    worksheet_set_row(sheet, 8, 26, nullptr);
    worksheet_write_blank(sheet, 9, 36, NewFormat(book, 9));

    // The weekday headers, one merged range over each column of blocks.
    static constexpr std::array<const char*, 7> kWeekdays{"日", "月", "火", "水", "木", "金", "土"};
    static constexpr std::array<lxw_color_t, 7> kHeaderColours{0xFF0000, 0, 0, 0, 0, 0, 0x0000FF};
    worksheet_set_row(sheet, kFirstBlockRow - 2, 16, nullptr);
    for (int day = 0; day < 7; ++day) {
        lxw_format* header = NewFormat(book, 10);
        format_set_bold(header);
        format_set_align(header, LXW_ALIGN_CENTER);
        format_set_align(header, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(header, LXW_BORDER_MEDIUM);
        format_set_bg_color(header, 0xEEEEEE);
        if (kHeaderColours[static_cast<size_t>(day)] != 0)
            format_set_font_color(header, kHeaderColours[static_cast<size_t>(day)]);
        const int first = kFirstBlockColumn - 1 + day * kBlockColumns;
        worksheet_merge_range(sheet, kFirstBlockRow - 2, static_cast<lxw_col_t>(first), kFirstBlockRow - 2,
                              static_cast<lxw_col_t>(first + kBlockColumns - 1), kWeekdays[static_cast<size_t>(day)],
                              header);
    }

    BlockFormats formats(book);
    for (int row = kFirstBlockRow - 1; row < kLastRow; ++row) {
        const int inBlock = (row - (kFirstBlockRow - 1)) % kBlockRows;
        worksheet_set_row(sheet, static_cast<lxw_row_t>(row), inBlock == 0 ? 18 : 14.5, nullptr);
        for (int column = kFirstBlockColumn - 1; column < kLastColumn; ++column)
            worksheet_write_blank(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                  formats.at(inBlock, (column - (kFirstBlockColumn - 1)) % kBlockColumns));
    }

    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR) {
        std::fprintf(stderr, "xlsxtemplate: %s\n", lxw_strerror(error));
        return 1;
    }
    return 0;
}
