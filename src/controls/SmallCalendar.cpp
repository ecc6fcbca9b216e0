// SPDX-License-Identifier: GPL-3.0-or-later
// The small month calendar's layout, cells, hit test and its mouse and key rules.
#include "SmallCalendar.h"

#include "calendar/OldCalendar.h"
#include "calendar/SolarTerms.h"

#include <algorithm>

namespace rekko {

namespace {

// Ruled lines closer than this to the control's right or bottom edge are left out.
constexpr int kKeisenMargin = 4;

int span(int length, int index, int parts) {
    return static_cast<int>(int64_t{length} * index / parts);
}

// Returns the index whose span [Trunc(L * i / n), Trunc(L * (i + 1) / n)) holds the position, 0..n - 1.
int spanIndex(int length, int position, int parts) {
    if (length <= 0)
        return 0;
    position = std::clamp(position, 0, length - 1);
    return std::clamp(static_cast<int>((int64_t{position + 1} * parts - 1) / length), 0, parts - 1);
}

} // namespace

SmallCalendarOptions SeMCalendarOptions() {
    SmallCalendarOptions options;
    options.ShowNeighbor = true;
    options.AutoResize = false;
    return options;
}

SmallCalendarGeometry::SmallCalendarGeometry(int width, int height, int rows)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_rows(std::max(rows, 2)) {}

GridRect SmallCalendarGeometry::cellRect(int column, int row) const {
    return {span(m_width, column, 7), span(m_height, row, m_rows), span(m_width, column + 1, 7),
            span(m_height, row + 1, m_rows)};
}

GridHit SmallCalendarGeometry::hitTest(int x, int y) const {
    GridHit hit;
    hit.column = spanIndex(m_width, x, 7);
    hit.row = spanIndex(m_height, y, m_rows);
    return hit;
}

KeisenLines SmallCalendarGeometry::keisen(const GridRect& cell) const {
    KeisenLines lines;
    lines.x = cell.right - 1;
    lines.y = cell.bottom - 1;
    lines.right = cell.right < m_width - kKeisenMargin;
    lines.bottom = cell.bottom < m_height - kKeisenMargin;
    return lines;
}

SmallCalendar::SmallCalendar(int32_t today, const SmallCalendarOptions& options)
    : CustomCalendar(today), m_options(options) {}

void SmallCalendar::setClientSize(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
}

void SmallCalendar::layout() {
    m_firstVisible = FirstVisibleDay(Year(), Month(), m_options);
    m_rows = RowCount(Year(), Month(), m_options);
    const int64_t shown = MonthKey(Year(), Month());
    for (int i = 0; i < kSmallCalendarCells; ++i) {
        SmallCell& cell = m_cells[static_cast<size_t>(i)];
        cell.day = m_firstVisible + i;
        cell.date = DecodeJuliusDay(cell.day);
        cell.inMonth = MonthKey(cell.date.year, cell.date.month) == shown;
        cell.font = rules().DayFont(cell.date.year, cell.date.month, cell.date.day);
        cell.rokuyo = m_options.ShowRokuyo ? JuliusDayToRokuyo(cell.day) : 0;
        cell.solarTerm = m_options.ShowSolarTerms && !solarTermOn(cell.day).empty();
        // Only days of the shown month are marked, so that today is green in one calendar of the year page.
        cell.mark = SmallCellMark::None;
        if (cell.inMonth && m_options.IsCursor && cell.day == JuliusDay())
            cell.mark = SmallCellMark::Cursor;
        else if (cell.inMonth && cell.day == today())
            cell.mark = SmallCellMark::Today;
    }
}

std::optional<int32_t> SmallCalendar::takenDay(int x, int y) const {
    const GridHit hit = geometry().hitTest(x, y);
    if (hit.row == 0)
        return std::nullopt;
    const int32_t day = FirstVisibleDay(Year(), Month(), m_options) + 7 * (hit.row - 1) + hit.column;
    const CalendarDate date = DecodeJuliusDay(day);
    if (MonthKey(date.year, date.month) != MonthKey(Year(), Month()) && !m_options.NeighborJump)
        return std::nullopt;
    return day;
}

bool SmallCalendar::key(Key key) {
    switch (key) {
    case Key::Left:
        return previousDay();
    case Key::Right:
        return nextDay();
    case Key::Up:
        return setJuliusDay(JuliusDay() - 7);
    case Key::Down:
        return setJuliusDay(JuliusDay() + 7);
    case Key::PageUp:
        return previousMonth();
    case Key::PageDown:
        return nextMonth();
    }
    return false;
}

} // namespace rekko
