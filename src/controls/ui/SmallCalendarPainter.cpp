// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a small month calendar: header, day cells with marks, rokuyo and the solar terms' mark, ruled lines.
#include "SmallCalendarPainter.h"

#include "CalendarPainting.h"
#include "ColourConversion.h"

#include "base/TextProcedures.h"
#include "calendar/OldCalendar.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>

namespace rekko {

namespace {

constexpr TColor kCursorColor = 0xFFFFB9;
constexpr TColor kKeisenColor = 0xC0C0C0;
constexpr TColor kSundayHeaderColor = 0x0000FF;
constexpr TColor kSaturdayHeaderColor = 0xFF0000;
constexpr TColor kSolarTermMarkColor = 0x008000; // green
constexpr std::array kDayFontRoles = {TCalExFonts::Weekday, TCalExFonts::Saturday, TCalExFonts::Sunday,
                                      TCalExFonts::Holiday, TCalExFonts::SpecialDay};

// Returns the name of a rokuyo 1..6.
QString rokuyoText(int rokuyo) {
    const std::string_view name = rokuyoName(rokuyo);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// Returns the pixel size of a font on a device.
int pixelsOf(const QFont& font, const QPaintDevice* device) {
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return qRound(font.pointSizeF() * device->logicalDpiY() / 72.0);
}

// Returns the face the rokuyo names get in a calendar's cells: at most the rokuyo font's size, small enough that
// neighbouring names never touch and the day numbers keep their size.
// Returns the height of the ink of the day numbers in the tallest of their fonts.
int numberInkHeight(const TCalExFonts& fonts, const QPaintDevice* device) {
    int height = 0;
    for (const TCalExFonts::Role role : kDayFontRoles)
        height = std::max(height, QFontMetrics(fonts.font(role).font, device).tightBoundingRect("0123456789").height());
    return height;
}

RokuyoFace fitRokuyoFace(const SmallCalendarGeometry& geometry, const TCalExFonts& fonts, const QPaintDevice* device) {
    const int numberHeight = numberInkHeight(fonts, device);
    const QFont rokuyo = fonts.font(TCalExFonts::Rokuyo).font;
    return FitRokuyo(geometry, numberHeight, pixelsOf(rokuyo, device), [&rokuyo, device](int pixels) {
        QFont face = rokuyo;
        face.setPixelSize(pixels);
        const QFontMetrics metrics(face, device);
        RokuyoFaceMetrics measured{metrics.height(), 0, 0};
        for (int number = 1; number <= 6; ++number) {
            const QString name = rokuyoText(number);
            measured.nameWidth = std::max(measured.nameWidth, metrics.horizontalAdvance(name));
            measured.firstCharacterWidth =
                std::max(measured.firstCharacterWidth, metrics.horizontalAdvance(name.left(1)));
        }
        return measured;
    });
}

} // namespace

SmallCalendarPainter::SmallCalendarPainter(const SmallCalendar& calendar, const TCalExFonts& fonts,
                                           const SmallCalendarColors& colors, const QPaintDevice* device)
    : m_calendar(calendar), m_fonts(fonts), m_colors(colors), m_geometry(calendar.geometry()),
      m_rokuyoFont(fonts.font(TCalExFonts::Rokuyo).font) {
    if (!calendar.options().ShowRokuyo)
        return;
    m_rokuyo = fitRokuyoFace(m_geometry, fonts, device);
    m_rokuyoFont.setPixelSize(m_rokuyo.pixels);
}

QSize SmallCalendarPainter::leastClientSize(const TCalExFonts& fonts, const QPaintDevice* device) {
    const int row = numberInkHeight(fonts, device) + 2;
    const int column = QFontMetrics(fonts.font(TCalExFonts::Weekday).font, device).horizontalAdvance("00") + 4;
    // The header row and six weeks.
    return {7 * column, (kSmallCalendarCells / 7 + 1) * row};
}

void SmallCalendarPainter::draw(QImage& image) const {
    QPainter painter(&image);
    for (int row = 0; row < m_geometry.rows(); ++row) {
        for (int column = 0; column < 7; ++column) {
            const GridRect cell = m_geometry.cellRect(column, row);
            if (row == 0) {
                drawHeader(painter, column, ToQRect(cell));
                drawKeisen(painter, cell, m_colors.palette.color(QPalette::Dark));
            } else {
                drawDay(painter, m_calendar.cell((row - 1) * 7 + column), cell);
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

void SmallCalendarPainter::drawDay(QPainter& painter, const SmallCell& cell, const GridRect& cellRect) const {
    if (!cell.inMonth && !m_calendar.options().ShowNeighbor)
        return;
    const QRect rect = ToQRect(cellRect);
    if (cell.mark == SmallCellMark::Cursor)
        painter.fillRect(rect, ToQColor(kCursorColor, m_colors.palette));
    else if (cell.mark == SmallCellMark::Today)
        painter.fillRect(rect, m_colors.today);
    if (cell.solarTerm)
        drawSolarTermMark(painter, rect, cell.inMonth);
    const CalExFont& font = m_fonts.font(FontRoleOf(cell.font));
    const QColor numberColor = cell.inMonth ? font.color : OrColors(font.color, m_colors.neighbor);
    const QString number = QString::number(cell.date.day);
    if (cell.rokuyo == 0 || m_rokuyo.pixels == 0) {
        useFont(painter, font.font);
        painter.setPen(numberColor);
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, number);
        return;
    }
    const CalExFont& rokuyoFont = m_fonts.font(TCalExFonts::Rokuyo);
    const QRect band = ToQRect(RokuyoBand(cellRect, m_rokuyo));
    useFont(painter, m_rokuyoFont);
    if (cell.day == m_calendar.JuliusDay()) {
        // The current date's rokuyo shows inverted: a band in the number's colour, the name in the background's.
        painter.fillRect(band, cell.mark != SmallCellMark::None ? numberColor : QColor(Qt::black));
        painter.setPen(m_colors.background);
    } else {
        painter.setPen(cell.inMonth ? rokuyoFont.color : OrColors(rokuyoFont.color, m_colors.neighbor));
    }
    const QString name = rokuyoText(cell.rokuyo);
    painter.drawText(ToQRect(RokuyoTextRect(cellRect, m_rokuyo)), Qt::AlignCenter | Qt::TextSingleLine,
                     m_rokuyo.wholeName ? name : name.left(1));
    useFont(painter, font.font);
    painter.setPen(numberColor);
    drawNumberAboveBand(painter, number, QRect(rect.left(), rect.top(), rect.width(), band.top() - rect.top()));
}

void SmallCalendarPainter::drawSolarTermMark(QPainter& painter, const QRect& rect, bool inMonth) const {
    // A small triangle in the top right corner, a fifth of the cell's height, clear of the ruled lines.
    const int size = std::max(3, rect.height() / 5);
    const QColor colour = ToQColor(kSolarTermMarkColor, m_colors.palette);
    const QPoint corner(rect.right() - 1, rect.top() + 1);
    const std::array<QPoint, 3> points = {corner, corner - QPoint(size, 0), corner + QPoint(0, size)};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(inMonth ? colour : OrColors(colour, m_colors.neighbor));
    painter.drawPolygon(points.data(), static_cast<int>(points.size()));
    painter.restore();
}

void SmallCalendarPainter::drawNumberAboveBand(QPainter& painter, const QString& number, const QRect& rect) const {
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect ink = metrics.tightBoundingRect(number);
    const int x = rect.left() + (rect.width() - metrics.horizontalAdvance(number)) / 2;
    const int baseline = rect.top() + (rect.height() - ink.height()) / 2 - ink.top();
    // Only a cell lower than the number and its band, below the usual window size, makes the number overflow.
    const bool overflows = ink.height() > rect.height();
    if (overflows)
        painter.setClipRect(rect);
    painter.drawText(QPoint(x, baseline), number);
    if (overflows)
        painter.setClipping(false);
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
