// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a small month calendar: header, day cells with marks and rokuyo, ruled lines.
#include "SmallCalendarPainter.h"

#include "CalendarPainting.h"
#include "ColourConversion.h"

#include "base/TextProcedures.h"
#include "calendar/OldCalendar.h"

#include <QFontMetrics>

namespace rekko {

namespace {

constexpr TColor kCursorColor = 0xFFFFB9;
constexpr TColor kKeisenColor = 0xC0C0C0;
constexpr TColor kSundayHeaderColor = 0x0000FF;
constexpr TColor kSaturdayHeaderColor = 0xFF0000;

} // namespace

SmallCalendarPainter::SmallCalendarPainter(const SmallCalendar& calendar, const TCalExFonts& fonts,
                                           const SmallCalendarColors& colors, const QPaintDevice* device)
    : m_calendar(calendar), m_fonts(fonts), m_colors(colors), m_geometry(calendar.geometry()),
      m_rokuyoHeight(QFontMetrics(fonts.font(TCalExFonts::Rokuyo).font, device).height()) {}

void SmallCalendarPainter::draw(QImage& image) const {
    QPainter painter(&image);
    for (int row = 0; row < m_geometry.rows(); ++row) {
        for (int column = 0; column < 7; ++column) {
            const GridRect cell = m_geometry.cellRect(column, row);
            if (row == 0) {
                drawHeader(painter, column, ToQRect(cell));
                drawKeisen(painter, cell, m_colors.palette.color(QPalette::Dark));
            } else {
                drawDay(painter, m_calendar.cell((row - 1) * 7 + column), ToQRect(cell));
                drawKeisen(painter, cell, ToQColor(kKeisenColor, m_colors.palette));
            }
        }
    }
}

void SmallCalendarPainter::useFont(QPainter& painter, const QFont& font) const {
    // Setting a font is costly next to drawing a day number, and most cells share one.
    if (m_font != &font)
        painter.setFont(font);
    m_font = &font;
}

void SmallCalendarPainter::drawHeader(QPainter& painter, int column, const QRect& rect) const {
    painter.fillRect(rect.adjusted(1, 1, -1, -1), m_colors.dayOfWeekBk);
    // 0 is Sunday here; the calendar speaks Japanese whatever the system's language.
    const int weekday = (m_calendar.options().FirstDayOfWeek + column) % 7;
    QColor color = m_colors.palette.color(QPalette::WindowText);
    if (weekday == 0)
        color = ToQColor(kSundayHeaderColor, m_colors.palette);
    else if (weekday == 6)
        color = ToQColor(kSaturdayHeaderColor, m_colors.palette);
    useFont(painter, m_fonts.font(TCalExFonts::DayOfWeek).font);
    painter.setPen(color);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, QString::fromStdString(WeekdayShortName(weekday + 1)));
}

void SmallCalendarPainter::drawDay(QPainter& painter, const SmallCell& cell, const QRect& rect) const {
    if (!cell.inMonth && !m_calendar.options().ShowNeighbor)
        return;
    if (cell.mark == SmallCellMark::Cursor)
        painter.fillRect(rect, ToQColor(kCursorColor, m_colors.palette));
    else if (cell.mark == SmallCellMark::Today)
        painter.fillRect(rect, m_colors.today);
    const CalExFont& font = m_fonts.font(FontRoleOf(cell.font));
    const QColor numberColor = cell.inMonth ? font.color : OrColors(font.color, m_colors.neighbor);
    QRect numberRect = rect;
    if (cell.rokuyo != 0) {
        const CalExFont& rokuyoFont = m_fonts.font(TCalExFonts::Rokuyo);
        const QRect band(rect.left(), rect.bottom() + 1 - m_rokuyoHeight, rect.width(), m_rokuyoHeight);
        numberRect.setBottom(band.top() - 1);
        useFont(painter, rokuyoFont.font);
        if (cell.day == m_calendar.JuliusDay()) {
            // The current date's rokuyo shows inverted: a band in the number's colour, the name in the background's.
            painter.fillRect(band, cell.mark != SmallCellMark::None ? numberColor : QColor(Qt::black));
            painter.setPen(m_colors.background);
        } else {
            painter.setPen(cell.inMonth ? rokuyoFont.color : OrColors(rokuyoFont.color, m_colors.neighbor));
        }
        const std::string_view name = rokuyoName(cell.rokuyo);
        painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    useFont(painter, font.font);
    painter.setPen(numberColor);
    painter.drawText(numberRect, Qt::AlignCenter | Qt::TextSingleLine, QString::number(cell.date.day));
}

void SmallCalendarPainter::drawKeisen(QPainter& painter, const GridRect& cell, const QColor& color) const {
    if (!m_calendar.options().Keisen)
        return;
    const KeisenLines lines = m_geometry.keisen(cell);
    painter.setPen(color);
    if (lines.right)
        painter.drawLine(lines.x, cell.top, lines.x, cell.bottom - 1);
    if (lines.bottom)
        painter.drawLine(cell.left, lines.y, cell.right - 1, lines.y);
}

} // namespace rekko
