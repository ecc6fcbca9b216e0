// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the month grid into its off-screen image: header cells, day cells with their lanes and bars, grid
// lines and period titles.
#pragma once

#include "TCalExFonts.h"

#include "controls/MonthGrid.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <array>
#include <vector>

namespace rekko {

// The colours the grid draws with besides those of its fonts.
struct GridColors {
    QColor background;  // the control's Color
    QColor neighbor;    // NeighborColor
    QColor dayOfWeekBk; // DayOfWeekBkColor
    QPalette palette;   // window text, shadow and the system colours of lines
};

class MonthGridPainter {
public:
    MonthGridPainter(const MonthGrid& grid, const TCalExFonts& fonts, const GridColors& colors,
                     const QPaintDevice* device);

    // Draws the header row and every day cell into an image already cleared with the background.
    void drawAll(QImage& image) const;
    // Draws the day cells again from the current lane table, leaving the header as it is.
    void drawCells(QImage& image) const;

    // Returns the line bands the drawing uses under the fonts: the first line 2 pixels below the day number's text,
    // each further line the height of "高さ" plus 1 lower; the height of a line's text and of the rokuyo band.
    static CellMetrics Metrics(const TCalExFonts& fonts, bool bold, const QPaintDevice* device);

private:
    // A font with its metrics, measured once per redraw.
    struct Face {
        QFont font;
        QFontMetrics metrics;
        explicit Face(const QFont& f, const QPaintDevice* device) : font(f), metrics(f, device) {}
    };
    // The faces of one day font: the day number, the lines (2 points smaller) and long names (3 points smaller).
    struct DayFaces {
        Face number;
        Face lines;
        Face smaller;
        QColor color;
    };
    // A period title drawn after all cells, so that it may run on over the following cells of its bar.
    struct Title {
        QRect clip;
        QPoint topLeft;
        QString text;
        QColor color;
        QColor background;
    };

    void drawHeader(QPainter& painter) const;
    void drawCell(QPainter& painter, int cell, const GridRect& rect, std::vector<Title>& titles) const;
    void drawRokuyo(QPainter& painter, int cell, const GridRect& rect, const QColor& numberColor, CellMark mark) const;
    // Draws as many of the day's almanac notes as fit right-aligned in the day-number band, in the rokuyo's face,
    // after the room the names need from left; returns where the names' room ends.
    int drawAlmanac(QPainter& painter, const CellDay& day, const GridRect& rect, int left, const DayFaces& faces) const;
    void drawNames(QPainter& painter, const CellDay& day, const GridRect& rect, const DayFaces& faces,
                   const QColor& numberColor, int left, int right) const;
    void drawLane(QPainter& painter, int cell, int lane, const GridRect& rect, const DayFaces& faces,
                  const QColor& background, std::vector<Title>& titles) const;
    void drawBar(QPainter& painter, int cell, int lane, const GridRect& rect, const QColor& background,
                 std::vector<Title>& titles) const;
    void drawGridLines(QPainter& painter) const;
    QColor tint(const QColor& color, const CellDay& day) const;

    const MonthGrid& m_grid;
    const TCalExFonts& m_fonts;
    GridColors m_colors;
    const QPaintDevice* m_device;
    GridGeometry m_geometry;
    std::vector<DayFaces> m_dayFaces; // by DayFontKind
    Face m_rokuyo;
    Face m_header;
};

} // namespace rekko
