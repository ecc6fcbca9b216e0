// SPDX-License-Identifier: GPL-3.0-or-later
// The lane table of the month grid: period bars first, then each day's lines from the bottom lanes up, and where
// a bar runs within a cell.
#include "MonthGrid.h"

#include <algorithm>

namespace rekko {

void MonthGrid::placePeriods() {
    const int32_t lastVisible = m_firstVisible + kGridCells - 1;
    const auto topLane = static_cast<size_t>(m_options.ItemGyo);
    for (size_t p = 0; p < m_periodBars.size(); ++p) {
        const auto& bar = m_periodBars[p];
        if (!bar)
            continue;
        const int32_t from = std::max(bar->start, m_firstVisible) - m_firstVisible;
        const int32_t to = std::min(bar->end, lastVisible) - m_firstVisible;
        if (from > to)
            continue;
        // Periods are placed in list order, so any period already in a lane has a smaller index.
        for (size_t lane = 0; lane <= topLane; ++lane) {
            const bool free = std::all_of(m_lanes.begin() + from, m_lanes.begin() + to + 1,
                                          [lane](const CellLanes& cell) { return cell[lane].empty(); });
            if (!free)
                continue;
            for (int32_t cell = from; cell <= to; ++cell)
                m_lanes[static_cast<size_t>(cell)][lane] = {'F', static_cast<int32_t>(p)};
            break;
        }
    }
}

int MonthGrid::listOfCell(const CellDay& cell) const {
    const int64_t cellMonth = MonthKey(cell.date.year, cell.date.month);
    const int64_t shown = MonthKey(Year(), Month());
    int list = m_tab;
    if (cellMonth > shown)
        list = m_tab < 4 ? m_tab + 1 : -1;
    else if (cellMonth < shown)
        list = m_tab > 0 ? m_tab - 1 : -1;
    if (list < 0 || list >= kMonthLists)
        return -1;
    // The list must hold the cell's month; the year is compared too, so the jumped month never borrows the
    // lines of a tab from another year.
    const MonthLines& lines = m_months[static_cast<size_t>(list)];
    return lines.year == cell.date.year && lines.month == cell.date.month ? list : -1;
}

void MonthGrid::placeDayLines() {
    const int topLane = m_options.ItemGyo;
    for (size_t c = 0; c < m_cells.size(); ++c) {
        const int list = listOfCell(m_cells[c]);
        if (list < 0)
            continue;
        const std::vector<int32_t>& lines = m_dayIndexes[static_cast<size_t>(list)].linesOf(m_cells[c].date.day);
        // Lines sit at the bottom of the visible lanes: with five lanes one line goes to lane 4, five to lane 0.
        const int firstLane = std::max(topLane - static_cast<int>(lines.size()), 0);
        CellLanes& lanes = m_lanes[c];
        for (const int32_t index : lines) {
            for (int lane = firstLane; lane <= topLane; ++lane) {
                if (lanes[static_cast<size_t>(lane)].empty()) {
                    lanes[static_cast<size_t>(lane)] = {static_cast<char>('0' + list), index};
                    break;
                }
            }
        }
    }
}

BarSpan PeriodBarSpan(const PeriodBar& bar, int32_t day, const GridRect& cell) {
    static constexpr int kStartOffsets[] = {5, 50, 95}; // by part: morning, midday, evening
    static constexpr int kEndOffsets[] = {95, 50, 5};
    BarSpan span{cell.left, cell.right, day == bar.start, day == bar.end};
    if (span.startTick)
        span.x0 = std::min(cell.left + kStartOffsets[static_cast<int>(bar.startPart)], cell.right);
    if (span.endTick)
        span.x1 = std::max(cell.right - kEndOffsets[static_cast<int>(bar.endPart)], cell.left);
    span.x1 = std::max(span.x1, span.x0);
    return span;
}

} // namespace rekko
