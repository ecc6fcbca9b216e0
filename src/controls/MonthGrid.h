// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid without its drawing: properties, the lane table of the 42 day cells laid out from the schedule
// book's months and periods, the hit test, the mouse-press rule and the interaction state the main window reads and
// resets.
#pragma once

#include "CalendarLayout.h"
#include "CustomCalendar.h"
#include "GridGeometry.h"
#include "ScheduleLines.h"

#include "book/ScheduleBook.h"
#include "schedule/LineAttribute.h"

#include "calendar/DayRules.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace rekko {

constexpr int kGridCells = 42;
constexpr int kMaxItemGyo = 5;
constexpr TColor kDefaultScheduleColor = 0x484848; // day lines of the shown month without a colour of their own

// The grid's published properties besides those of the calendar base, with their values after creation.
struct MonthGridOptions : CalendarLayoutOptions {
    bool isFontBold = false;   // day numbers bold
    bool SelfSize = false;     // the header-height formula
    int ItemGyo = 3;           // schedule lines shown per day cell, 1..5
    bool ShowNeighbor = true;  // draw the neighbouring months' days
    bool NeighborJump = false; // a left click on a neighbouring month's day moves there
    bool ShowRokuyo = false;
    bool ShowSolarTerms = false;   // the solar terms and seasonal days beside the day numbers
    bool ShowAlmanacMarks = false; // the days' sexagenary cycle and almanac marks beside the day numbers
};

// One lane of a day cell: empty, a line of the period list ('F') or a line of the book's month slot '0'..'5'.
struct Lane {
    char source = 0;
    int32_t index = 0;
    bool empty() const { return source == 0; }
    bool isPeriod() const { return source == 'F'; }
    int monthList() const { return source - '0'; }
    friend bool operator==(const Lane&, const Lane&) = default;
};

// The lanes of one day cell; lane ItemGyo is never drawn, it only marks the overflow.
using CellLanes = std::array<Lane, kMaxItemGyo + 1>;

// The state the main window reads and resets while the user works on the grid.
struct GridState {
    int32_t pressedDay = 0;        // day number of the last pressed cell
    bool pressedInMonth = false;   // that cell is a day of the shown month
    bool jumped = false;           // the last press jumped to a neighbouring month's day
    bool jumpedBackward = false;   // ... to an earlier month
    bool tabRangeExceeded = false; // ... beyond the first or last month tab
    int32_t selectionFirst = 0;    // the dragged range, day numbers; 0 = none
    int32_t selectionLast = 0;
    int selectedPeriod = 0; // index in the period list; 0 = none, as line 0 is the file's header
    bool highlight = false; // the pressed day is marked
    bool suspend = false;   // no full redraw while the main window rebuilds the lists
};

// Holds the grid's full redraw back while it lives, so that several changes end in one redraw; the state before it
// comes back at its end.
class RedrawSuspension {
public:
    explicit RedrawSuspension(GridState& state) : m_state(state), m_before(state.suspend) { state.suspend = true; }
    ~RedrawSuspension() { m_state.suspend = m_before; }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

private:
    GridState& m_state;
    bool m_before;
};

enum class MouseButton { Left, Right, Middle };

// The background mark of a day cell, in order of precedence.
enum class CellMark { None, Selection, Pressed, Today };

// What a day cell shows besides its lanes.
struct CellDay {
    int32_t day = 0;
    CalendarDate date;
    bool inMonth = false; // a day of the shown month
    DayFontKind font = DayFontKind::Weekday;
    bool specialMark = false; // the day has a special-day name
    DayNameList names;
    std::string namesText; // the comma text of the names
    int rokuyo = 0;        // 1..6, 0 when not shown or unknown
    // The almanac notes shown beside the day number, most important first, and the lines that tell them in full in
    // the tooltip (both empty when switched off).
    std::vector<std::string> almanac;
    std::vector<std::string> almanacLines;
};

// A day line placed in a lane: its text and colour, and whether it comes from a neighbouring month's list.
struct PlacedDayLine {
    DayLine line;
    bool neighbourList = false;
};

// A cell's texts for the exports: its date, anniversary text, holiday name and the day lines shown in lanes 0-4.
struct CellTexts {
    int32_t day = 0;
    CalendarDate date;
    std::string anniversary;
    std::string holiday;
    std::array<std::string, 5> lines;
};

// The horizontal extent of a period bar in one cell, with its ticks.
struct BarSpan {
    int x0 = 0;
    int x1 = 0;
    bool startTick = false; // from (x0, y) to 15 pixels right and 2 lower
    bool endTick = false;   // from 15 pixels left and 2 higher to (x1, y)
};

// Returns where a period bar runs in a cell: from 5, 50 or 95 pixels right of the left edge in its start cell and
// to 95, 50 or 5 pixels left of the right edge in its end cell (by part), edge to edge in between; kept inside the
// cell.
BarSpan PeriodBarSpan(const PeriodBar& bar, int32_t day, const GridRect& cell);

class MonthGrid : public CustomCalendar, private BookListener {
public:
    // The grid draws the book's month slots, periods and rule lists, following each change of the book while it
    // lives.
    MonthGrid(int32_t today, const ScheduleBook& book);
    ~MonthGrid() override;
    MonthGrid(const MonthGrid&) = delete;
    MonthGrid& operator=(const MonthGrid&) = delete;

    const ScheduleBook& book() const { return m_book; }

    const MonthGridOptions& options() const { return m_options; }
    // Replaces the properties; ItemGyo is kept within 1..5. They take effect at the next layout.
    void setOptions(const MonthGridOptions& options);

    // Sets the client size and the line bands the drawing uses; both take effect at the next layout and hit test.
    void setClientSize(int width, int height);
    void setCellMetrics(const CellMetrics& metrics);
    const CellMetrics& cellMetrics() const { return m_metrics; }

    // Returns or selects the month tab whose slot holds the shown month, 0..5 (5 is the jumped month); the slots
    // of the tabs before and after it give the lines of the neighbouring months' days.
    int currentTab() const { return m_tab; }
    void setCurrentTab(int tab) { m_tab = tab; }

    // Returns the interaction state, for the main window to read and reset.
    GridState& state() { return m_state; }
    const GridState& state() const { return m_state; }

    // Recomputes the first visible day, the row count, the cells' days and names and the lane table; the full
    // redraw runs it before drawing.
    void layout();
    // Recomputes the lane table alone for the first visible day of the last layout: period bars first, then the
    // day lines of each cell.
    // Builds the lane table again when the rows now hold another number of lanes than it was built for.
    void followLaneCount();
    void buildLaneTable();

    // Return the results of the last layout: the day number of the top-left cell, the rows with the header, the
    // pixel layout, and each cell's (0..41) day, lanes and background mark.
    int32_t firstVisibleDay() const { return m_firstVisible; }
    int rowCount() const { return m_rows; }
    GridGeometry geometry() const;

    const CellDay& cellDay(int cell) const { return m_cells.at(static_cast<size_t>(cell)); }
    const CellLanes& cellLanes(int cell) const { return m_lanes.at(static_cast<size_t>(cell)); }
    CellMark cellMark(int cell) const;
    // Returns how many lanes the cells have: ItemGyo, or fewer while the rows are too low for them all, so that no
    // line runs over the rokuyo band or the next week. The lines that do not fit go on to the overflow lane.
    int lanes() const;
    // Answers whether the overflow lane (the one below the last) of the cell is taken, so the last shown line ends
    // with "/".
    bool overflows(int cell) const;
    // Returns the day line of a lane of month-slot source, the period bar of a lane of period source (nullptr for
    // any other lane).
    PlacedDayLine dayLine(const Lane& lane) const;
    const PeriodBar* periodBar(const Lane& lane) const;

    // Returns the column, row, line and block under a point and the day number of that cell.
    GridHit hitTest(int x, int y) const;
    // Returns the lane a hit line shows (lines 1..ItemGyo of a day cell), or an empty lane for the day-number band,
    // the header and lines below the last shown lane.
    Lane laneAt(const GridHit& hit) const;

    // First half of a mouse press: hit test and record the pressed day. The widget raises its mouse-down event
    // between the halves.
    GridHit beginPress(int x, int y);
    // Second half: the header does nothing more; a day of the shown month becomes the date; a neighbouring month's
    // day becomes the date only on a non-right button with NeighborJump, moving the month tab or setting the
    // tab-range flag. Answers whether the date changed.
    bool finishPress(MouseButton button, const GridHit& hit);

    // Clears the selection range, the highlight and the selected period.
    void resetSelection();

    // Answers whether a period line (index 1 and up) is drawn and covers a day.
    bool periodCovers(int index, int32_t day) const;

    // Returns a cell's texts for the exports, from the last layout.
    CellTexts cellTexts(int cell) const;
    // Returns all that a day cell holds, one entry a line, from the last layout: its names as drawn, then each drawn
    // period over the day (PeriodSummary) and each of the day's lines, those beyond the shown lanes too; nothing for
    // a neighbouring month's day that is not shown.
    std::vector<std::string> cellLines(int cell) const;

private:
    void bookChanged(const BookChange& change) override;
    void readPeriods();
    void readRules();
    void placePeriods();
    void readPlacedBars();
    void placeDayLines();
    int listOfCell(const CellDay& cell) const;

    MonthGridOptions m_options;
    int m_width = 0;
    int m_height = 0;
    CellMetrics m_metrics;
    const ScheduleBook& m_book;
    std::array<DayLineIndex, kBookSlots> m_dayIndexes;
    std::vector<std::optional<PeriodDays>> m_periodDays;     // parallel to the book's periods
    std::vector<std::pair<int32_t, PeriodBar>> m_placedBars; // the bars of the lane table's periods, by index
    int m_tab = 0;
    GridState m_state;
    int32_t m_firstVisible = 0;
    int m_rows = 7;
    int m_placedLanes = 0; // the lane count the lane table was built for, 0 before the first layout
    std::array<CellDay, kGridCells> m_cells;
    std::array<CellLanes, kGridCells> m_lanes;
};

} // namespace rekko
