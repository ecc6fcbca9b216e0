// SPDX-License-Identifier: GPL-3.0-or-later
// The month workbook filled from the month grid.
#include "MonthWorkbook.h"

#include "calendar/JapaneseEra.h"
#include "calendar/Julius.h"

namespace rekko {
namespace {

constexpr int kTitleRow = 9;
constexpr int kTitleColumn = 16;
constexpr int kDateRow = 10;
constexpr int kDateColumn = 37;
constexpr int kDayLines = 5;
constexpr double kNeighbourSizeStep = 2;

// The font colours of a day's cells.
struct DayColours {
    TColor sunday; // also holiday numbers and names
    TColor saturday;
    TColor weekday; // also the day lines
    TColor anniversary;
};

constexpr DayColours kShownMonth{0x0000FF, 0xFFCC00, clWindowText, 0x00CC00};
constexpr DayColours kNeighbourMonth{0xADD8E6, 0xFFB6C1, 0xC0C0C0, 0xC0C0C0};

class BlockWriter {
public:
    BlockWriter(Spreadsheet& sheet, const SetupSettings& options) : m_sheet(sheet), m_options(options) {}

    void write(int cell, const CellTexts& texts, bool inMonth) {
        const int weekday = cell % 7;
        const int r = 8 * (cell / 7 + 1) + 7;
        const int c = 5 * weekday + 4;
        const DayColours& colours = inMonth ? kShownMonth : kNeighbourMonth;
        if (!inMonth)
            m_sheet.setFontSize(r, c, m_sheet.fontSize(r, c) - kNeighbourSizeStep);
        const bool format = !inMonth || m_options.cbExShoshiki;
        if (format)
            colour(r, c, weekday == 0 ? colours.sunday : weekday == 6 ? colours.saturday : colours.weekday);
        if (m_options.cbExKinenbi || m_options.cbExSaijitu)
            writeNames(r, c, texts, colours, format);
        m_sheet.writeNumber(r, c, texts.date.day);
        for (int k = 0; k < kDayLines; ++k) {
            if (format)
                colour(r + 1 + k, c, colours.weekday);
            const std::string& line = texts.lines[static_cast<size_t>(k)];
            if (m_options.cbExNaiyou && !line.empty())
                m_replaced += m_sheet.writeText(r + 1 + k, c, line);
        }
    }

    int replaced() const { return m_replaced; }

private:
    void colour(int row, int column, TColor value) { m_sheet.setFontColour(row, column, WorkbookColour(value)); }

    // The anniversary text beside the day number with the holiday name after it, or the holiday name alone there;
    // holiday colours are written even without formatting.
    void writeNames(int r, int c, const CellTexts& texts, const DayColours& colours, bool format) {
        const bool holiday = !texts.holiday.empty();
        if (!texts.anniversary.empty()) {
            if (format) {
                colour(r, c + 1, colours.anniversary);
                colour(r, c + 2, colours.sunday);
            }
            if (m_options.cbExKinenbi)
                m_replaced += m_sheet.writeText(r, c + 1, texts.anniversary);
            if (holiday) {
                colour(r, c, colours.sunday);
                colour(r, c + 2, colours.sunday);
                if (m_options.cbExSaijitu)
                    m_replaced += m_sheet.writeText(r, c + 2, texts.holiday);
            }
        } else if (holiday) {
            for (int column = c; column <= c + 2; ++column)
                colour(r, column, colours.sunday);
            if (m_options.cbExSaijitu)
                m_replaced += m_sheet.writeText(r, c + 1, texts.holiday);
        }
    }

    Spreadsheet& m_sheet;
    const SetupSettings& m_options;
    int m_replaced = 0;
};

} // namespace

CellColour WorkbookColour(TColor colour) {
    if ((colour & clSystemColor) != 0)
        return std::nullopt;
    const uint32_t red = colour & 0xFF;
    const uint32_t green = (colour >> 8) & 0xFF;
    const uint32_t blue = (colour >> 16) & 0xFF;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

std::string MonthWorkbookTitle(int32_t year, int month, const SetupSettings& options) {
    const std::string yearMonth = std::to_string(year) + " 年 " + std::to_string(month) + " 月";
    switch (options.rgExTitle) {
    case 1:
        return yearMonth + options.edtExTitle;
    case 2:
        return options.edtExTitle;
    default:
        return yearMonth;
    }
}

std::string CreationDateText(int32_t jd) {
    const CalendarDate date = DecodeJuliusDay(jd);
    const auto era = JapaneseEraOf(date);
    const std::string year = era ? std::string(era->era) + std::to_string(era->year) : std::to_string(date.year);
    return year + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) + "日作成";
}

Status OpenMonthSheet(Spreadsheet& sheet, const std::filesystem::path& templateFile, int32_t year, int month) {
    if (Status opened = sheet.open(templateFile); !opened)
        return opened;
    sheet.setSheetName(std::to_string(year) + "年" + std::to_string(month) + "月");
    return Success();
}

int FillMonthSheet(Spreadsheet& sheet, const MonthGrid& grid, const SetupSettings& options, int32_t today) {
    int replaced = 0;
    if (options.cbExTitle)
        replaced += sheet.writeText(kTitleRow, kTitleColumn, MonthWorkbookTitle(grid.Year(), grid.Month(), options));
    if (options.cbExDate)
        replaced += sheet.writeText(kDateRow, kDateColumn, CreationDateText(today));
    BlockWriter blocks(sheet, options);
    for (int cell = 0; cell < kGridCells; ++cell)
        blocks.write(cell, grid.cellTexts(cell), grid.cellDay(cell).inMonth);
    return replaced + blocks.replaced();
}

} // namespace rekko
