// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of a small month calendar into its off-screen image: header cells, day cells with their marks and rokuyo,
// and the ruled lines.
#pragma once

#include "TCalExFonts.h"

#include "controls/RokuyoFit.h"
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
    // Fits the rokuyo face to the cells, measured on the device drawn into, when the rokuyo shows.
    SmallCalendarPainter(const SmallCalendar& calendar, const TCalExFonts& fonts, const SmallCalendarColors& colors,
                         const QPaintDevice* device);

    // Draws every cell, row by row, into an image already cleared with the background.
    void draw(QImage& image) const;

    // Returns the least client size at which the day numbers show whole; the rokuyo need more and are left out below
    // that, so that the year page's twelve calendars still fit an XGA screen.
    static QSize leastClientSize(const TCalExFonts& fonts, const QPaintDevice* device);

private:
    void drawHeader(QPainter& painter, int column, const QRect& rect) const;
    void drawDay(QPainter& painter, const SmallCell& cell, const GridRect& rect) const;
    // Draws the day number centred by its ink above the rokuyo band, in the number's own font.
    void drawNumberAboveBand(QPainter& painter, const QString& number, const QRect& rect) const;
    void drawSolarTermMark(QPainter& painter, const QRect& rect, bool inMonth) const;
    void drawKeisen(QPainter& painter, const GridRect& cell, const QColor& color) const;
    void useFont(QPainter& painter, const QFont& font) const;

    const SmallCalendar& m_calendar;
    const TCalExFonts& m_fonts;
    SmallCalendarColors m_colors;
    SmallCalendarGeometry m_geometry;
    RokuyoFace m_rokuyo;                   // the rokuyo face and band, while the rokuyo shows
    QFont m_rokuyoFont;                    // the rokuyo font at the face's size
    mutable const QFont* m_font = nullptr; // the font the painter draws with now
};

} // namespace rekko
