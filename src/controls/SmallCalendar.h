// SPDX-License-Identifier: GPL-3.0-or-later
// The small month calendar without its drawing: properties, equal-height cell layout, the cells' days and marks,
// ruled lines, the hit test and the mouse and key rules shared by TMonthlyCalendar and TSeMCalendar.
#pragma once

#include "CalendarLayout.h"
#include "CustomCalendar.h"
#include "GridGeometry.h"

#include "calendar/DayRules.h"

#include <array>
#include <cstdint>
#include <optional>

namespace rekko {

constexpr int kSmallCalendarCells = 42;

// The properties of the plain month calendar with their values after creation, and the three TSeMCalendar adds.
struct SmallCalendarOptions : CalendarLayoutOptions {
    SmallCalendarOptions() { AutoResize = true; }
    bool ShowNeighbor = false; // draw the neighbouring months' days
    bool NeighborJump = false; // a click on a neighbouring month's day moves there
    bool ShowRokuyo = false;
    bool ShowSolarTerms = false; // a small mark on the days of the 24 solar terms
    bool Keisen = false;         // ruled lines between the cells
    bool IsCursor = false;       // the current date gets its own background
};

// Returns the options TSeMCalendar starts with: neighbouring days shown and always six week rows.
SmallCalendarOptions SeMCalendarOptions();

// The background mark of a day cell: the current date (with IsCursor), today, or none.
enum class SmallCellMark { None, Cursor, Today };

// What a day cell shows.
struct SmallCell {
    int32_t day = 0;
    CalendarDate date;
    bool inMonth = false;
    DayFontKind font = DayFontKind::Weekday;
    int rokuyo = 0;         // 1..6; 0 when not shown or unknown
    bool solarTerm = false; // a solar term falls on the day and the terms are shown
    SmallCellMark mark = SmallCellMark::None;
};

// Which ruled lines a cell gets and where: on its right edge and on its bottom edge, each left out within 4 pixels
// of the control's right or bottom edge.
struct KeisenLines {
    bool right = false;
    bool bottom = false;
    int x = 0; // the column of the right line
    int y = 0; // the row of the bottom line
};

// The equal-height layout of a client of width x height with rows rows (the header row included): cell (c, r)
// spans x from Trunc(W * c / 7) to Trunc(W * (c + 1) / 7) and y from Trunc(H * r / R) to Trunc(H * (r + 1) / R).
class SmallCalendarGeometry {
public:
    SmallCalendarGeometry(int width, int height, int rows);

    int rows() const { return m_rows; }
    GridRect cellRect(int column, int row) const;
    // Returns the width of the narrowest column and the height of the lowest row.
    int narrowestColumn() const { return m_width / 7; }
    int lowestRow() const { return m_height / m_rows; }
    // Returns the column 0..6 and row 0..rows - 1 whose drawn rectangle holds the point; points outside the client
    // count as the nearest cell. The day field is left 0.
    GridHit hitTest(int x, int y) const;
    KeisenLines keisen(const GridRect& cell) const;

private:
    int m_width;
    int m_height;
    int m_rows;
};

class SmallCalendar : public CustomCalendar {
public:
    SmallCalendar(int32_t today, const SmallCalendarOptions& options = {});

    const SmallCalendarOptions& options() const { return m_options; }
    // Replaces the properties; they take effect at the next layout.
    void setOptions(const SmallCalendarOptions& options) { m_options = options; }

    void setClientSize(int width, int height);
    SmallCalendarGeometry geometry() const { return {m_width, m_height, m_rows}; }

    // Recomputes the first visible day, the row count and every cell's day, font, rokuyo and mark.
    void layout();
    int32_t firstVisibleDay() const { return m_firstVisible; }
    int rowCount() const { return m_rows; }
    // Returns a day cell (0..41, row by row) of the last layout.
    const SmallCell& cell(int index) const { return m_cells.at(static_cast<size_t>(index)); }

    // Returns the day a press at a point of the client takes as the date: a day of the shown month, a neighbouring
    // month's day only with NeighborJump; nothing for the header row.
    std::optional<int32_t> takenDay(int x, int y) const;

    enum class Key { Left, Right, Up, Down, PageUp, PageDown };
    // Moves the date by a key: a day, a week, or a month with the day lowered to the month's last. Answers whether
    // the date changed.
    bool key(Key key);

private:
    SmallCalendarOptions m_options;
    int m_width = 0;
    int m_height = 0;
    int32_t m_firstVisible = 0;
    int m_rows = 7;
    std::array<SmallCell, kSmallCalendarCells> m_cells{};
};

} // namespace rekko
