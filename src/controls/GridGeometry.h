// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel layout of the month grid: header and week-row heights, cell rectangles, line bands and the hit test.
#pragma once

#include <cstdint>

namespace rekko {

// A rectangle whose right and bottom edges lie just outside it.
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

// Where the lines of a day cell lie, measured from the cell's top: the band of the day number ends where the first
// line begins, and each line is one step lower; a line's text is lineHeight high, and the rokuyo band at the cell's
// bottom rokuyoHeight. The defaults are those of the standard 12-point fonts.
struct CellMetrics {
    int firstLineTop = 24;
    int lineStep = 14;
    int lineHeight = 14;
    int rokuyoHeight = 14;
    // Returns the height of a period bar of a lane below the cell's top: the middle of the lane's line band.
    int barY(int lane) const { return firstLineTop + lane * lineStep + (lineStep - 2) / 2; }
    // Returns the row pitch at which a cell shows lines lines (1..) whole, the last one a pixel above the rokuyo band.
    int pitchFor(int lines) const { return firstLineTop + (lines - 1) * lineStep + lineHeight + 1 + rokuyoHeight; }
    // Returns how many lines a cell of the row pitch shows whole above the rokuyo band (0 when not even one).
    int linesFitting(int pitch) const {
        const int room = pitch - pitchFor(1);
        return room < 0 ? 0 : room / lineStep + 1;
    }
    friend bool operator==(const CellMetrics&, const CellMetrics&) = default;
};

// What a point of the grid hits: column 0..6, row 0 (header) or 1.. (week rows), the line in the cell (0 in the
// header, 9 in the band of the day number, 1.. for the lines below it) and the 43-pixel block across the cell (1..).
struct GridHit {
    int column = 0;
    int row = 0;
    int line = 0;
    int block = 1;
    int32_t day = 0; // the cell's day number; for the header row the day above the first week row
    // Returns the cell's index 0..41 in row order, -1 for the header row.
    int cell() const { return row > 0 ? (row - 1) * 7 + column : -1; }
};

class GridGeometry {
public:
    // Lays out a client of width x height with rows rows (the header row included). SelfSize selects the header
    // formula: Trunc(H / rows / 3) - 3 when set, Trunc(H / rows / 2) otherwise.
    GridGeometry(int width, int height, int rows, bool selfSize, const CellMetrics& metrics = {});

    int headerHeight() const { return m_header; }
    // Returns the distance between the tops of two week rows; each row is drawn one pixel higher, so that
    // neighbouring rows share their border line.
    int rowPitch() const { return m_pitch; }
    int rows() const { return m_rows; }

    // Returns the rectangle of a header cell (column 0..6) or of a day cell (column 0..6, row 1..rows - 1).
    GridRect headerRect(int column) const;
    GridRect cellRect(int column, int row) const;

    // Returns the column, row, line and block a point hits; points outside the client count as the nearest cell.
    // The day field is left 0 for the caller to fill.
    GridHit hitTest(int x, int y) const;

    // Returns the smallest client height whose week rows (rows with the header, 2..) are pitch pixels apart or more.
    static int HeightForPitch(int pitch, int rows, bool selfSize);

private:
    int columnLeft(int column) const;

    int m_width;
    int m_height;
    int m_rows;
    int m_header;
    int m_pitch;
    CellMetrics m_metrics;
};

} // namespace rekko
