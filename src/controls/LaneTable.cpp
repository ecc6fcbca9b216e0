// SPDX-License-Identifier: GPL-3.0-or-later
// The lane table of the month grid: period bars first, then each day's lines from the bottom lanes up, the bars of
// the placed periods, and where a bar runs within a cell.
#include "MonthGrid.h"

#include <algorithm>

namespace rekko {

void MonthGrid::placePeriods() {
    const int32_t lastVisible = m_firstVisible + kGridCells - 1;
    const auto topLane = static_cast<size_t>(m_placedLanes);
    for (size_t p = 0; p < m_periodDays.size(); ++p) {
        const auto& days = m_periodDays[p];
        if (!days)
            continue;
        const int32_t from = std::max(days->start, m_firstVisible) - m_firstVisible;
        const int32_t to = std::min(days->end, lastVisible) - m_firstVisible;
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
    readPlacedBars();
}

void MonthGrid::readPlacedBars() {
    // Only the periods in lanes are read in full: a long list keeps its days alone.
    std::vector<int32_t> indexes;
    for (const CellLanes& cell : m_lanes)
        for (const Lane& lane : cell)
            if (lane.isPeriod() && lane.index >= 0 && static_cast<size_t>(lane.index) < m_book.periods().size())
                indexes.push_back(lane.index);
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    m_placedBars.clear();
    for (const int32_t index : indexes)
        if (auto bar = ReadPeriodBar(m_book.periods()[static_cast<size_t>(index)]))
            m_placedBars.emplace_back(index, std::move(*bar));
}

int MonthGrid::listOfCell(const CellDay& cell) const {
    const int64_t cellMonth = MonthKey(cell.date.year, cell.date.month);
    const int64_t shown = MonthKey(Year(), Month());
    int list = m_tab;
    if (cellMonth > shown)
        list = m_tab < 4 ? m_tab + 1 : -1;
    else if (cellMonth < shown)
        list = m_tab > 0 ? m_tab - 1 : -1;
    if (list < 0 || list >= kBookSlots)
        return -1;
    // The slot must hold the cell's month; the year is compared too, so the jumped month never borrows the
    // lines of a tab from another year.
    const BookSlot& slot = m_book.slot(list);
    return slot.year == cell.date.year && slot.month == cell.date.month ? list : -1;
}

void MonthGrid::placeDayLines() {
    const int topLane = m_placedLanes;
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
