// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of a small month calendar into its off-screen image: header cells, day cells with their marks and rokuyo,
// and the ruled lines.
#pragma once

#include "TCalExFonts.h"

#include "controls/SmallCalendar.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPalette>

namespace rekko {

// The colours a small calendar draws with besides those of its fonts.
struct SmallCalendarColors {
    QColor background;  // the control's Color
    QColor neighbor;    // NeighborColor
    QColor dayOfWeekBk; // DayOfWeekBkColor
    QColor today;       // ColorToDay
    QPalette palette;   // window text and the shadow of the header lines
};

class SmallCalendarPainter {
public:
    // Measures the rokuyo font on the device drawn into.
    SmallCalendarPainter(const SmallCalendar& calendar, const TCalExFonts& fonts, const SmallCalendarColors& colors,
                         const QPaintDevice* device);

    // Draws every cell, row by row, into an image already cleared with the background.
    void draw(QImage& image) const;

private:
    void drawHeader(QPainter& painter, int column, const QRect& rect) const;
    void drawDay(QPainter& painter, const SmallCell& cell, const QRect& rect) const;
    void drawKeisen(QPainter& painter, const GridRect& cell, const QColor& color) const;
    void useFont(QPainter& painter, const QFont& font) const;

    const SmallCalendar& m_calendar;
    const TCalExFonts& m_fonts;
    SmallCalendarColors m_colors;
    SmallCalendarGeometry m_geometry;
    int m_rokuyoHeight = 0;                // the height of the rokuyo band, from the rokuyo font
    mutable const QFont* m_font = nullptr; // the font the painter draws with now
};

} // namespace rekko
