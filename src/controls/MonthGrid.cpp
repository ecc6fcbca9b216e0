// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid's properties, cells, hit test and mouse-press rule, and what it reads of the book.
#include "MonthGrid.h"

#include "GridDayRules.h"

#include "calendar/AlmanacMarks.h"
#include "calendar/Julius.h"
#include "calendar/OldCalendar.h"

#include <algorithm>

namespace rekko {

MonthGrid::MonthGrid(int32_t today, const ScheduleBook& book)
    : CustomCalendar(today, std::make_unique<GridDayRules>()), m_book(book) {
    for (auto& lanes : m_lanes)
        lanes = {};
    for (int slot = 0; slot < kBookSlots; ++slot)
        m_dayIndexes[static_cast<size_t>(slot)].rebuild(book.lines(slot));
    readPeriods();
    readRules();
    book.addListener(*this);
}

MonthGrid::~MonthGrid() {
    m_book.removeListener(*this);
}

void MonthGrid::setOptions(const MonthGridOptions& options) {
    m_options = options;
    m_options.ItemGyo = std::clamp(m_options.ItemGyo, 1, kMaxItemGyo);
}

void MonthGrid::setClientSize(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    followLaneCount();
}

void MonthGrid::setCellMetrics(const CellMetrics& metrics) {
    m_metrics = metrics;
    followLaneCount();
}

void MonthGrid::followLaneCount() {
    // Only a table already built is rebuilt; the first layout builds it.
    if (m_placedLanes != 0 && m_placedLanes != lanes())
        buildLaneTable();
}

void MonthGrid::bookChanged(const BookChange& change) {
    if (change.kind == BookChange::Kind::Periods) {
        // A merge with the disk moves records: the selection follows its record.
        if (change.merged)
            m_state.selectedPeriod =
                static_cast<int>(m_book.periodIndexAfterMerge(static_cast<size_t>(m_state.selectedPeriod)));
        readPeriods();
    } else if (change.kind == BookChange::Kind::Rules)
        readRules();
    else
        m_dayIndexes.at(static_cast<size_t>(change.slot)).rebuild(m_book.lines(change.slot));
}

void MonthGrid::readRules() {
    // The book's lists were read when they were set: a line that stopped the reading there stops it here alike.
    (void)rules().setHolidayList(m_book.rules().holidayList());
    (void)rules().setSpecialDayList(m_book.rules().specialDayList());
}

void MonthGrid::readPeriods() {
    m_periodDays.clear();
    m_periodDays.reserve(m_book.periods().size());
    for (const auto& line : m_book.periods())
        m_periodDays.push_back(ReadPeriodDays(line));
    readPlacedBars();
}

GridGeometry MonthGrid::geometry() const {
    return GridGeometry(m_width, m_height, m_rows, m_options.SelfSize, m_metrics);
}

void MonthGrid::layout() {
    m_firstVisible = FirstVisibleDay(Year(), Month(), m_options);
    m_rows = RowCount(Year(), Month(), m_options);
    const int64_t shown = MonthKey(Year(), Month());
    for (int i = 0; i < kGridCells; ++i) {
        CellDay& cell = m_cells[static_cast<size_t>(i)];
        cell.day = m_firstVisible + i;
        cell.date = DecodeJuliusDay(cell.day);
        cell.inMonth = MonthKey(cell.date.year, cell.date.month) == shown;
        cell.font = rules().DayFont(cell.date.year, cell.date.month, cell.date.day);
        cell.names = rules().DayNames(cell.date.year, cell.date.month, cell.date.day);
        cell.specialMark = cell.names.kinds.find('S') != std::string::npos;
        cell.namesText = DayNamesText(cell.names);
        cell.rokuyo = m_options.ShowRokuyo ? JuliusDayToRokuyo(cell.day) : 0;
        cell.almanac.clear();
        cell.almanacLines.clear();
        if (m_options.ShowSolarTerms || m_options.ShowAlmanacMarks) {
            const DayAlmanac almanac = dayAlmanacOf(cell.day);
            const bool terms = m_options.ShowSolarTerms, marks = m_options.ShowAlmanacMarks;
            cell.almanac = almanacNotes(almanac, terms, marks);
            cell.almanacLines = almanacLines(almanac, terms, marks);
        }
    }
    buildLaneTable();
}

void MonthGrid::buildLaneTable() {
    m_placedLanes = lanes();
    for (auto& cell : m_lanes)
        cell = {};
    placePeriods();
    placeDayLines();
}

CellMark MonthGrid::cellMark(int cell) const {
    const CellDay& day = cellDay(cell);
    const int32_t first = m_state.selectionFirst;
    const int32_t last = std::max(m_state.selectionLast, first);
    if (first != 0 && day.day >= first && day.day <= last)
        return CellMark::Selection;
    if (m_state.highlight && day.day == m_state.pressedDay)
        return CellMark::Pressed;
    if (day.inMonth && day.day == today())
        return CellMark::Today;
    return CellMark::None;
}

int MonthGrid::lanes() const {
    // Before the first size is known every lane counts; one lane at least, so that a line always has a place.
    if (m_height == 0)
        return m_options.ItemGyo;
    return std::clamp(m_metrics.linesFitting(geometry().rowPitch()), 1, m_options.ItemGyo);
}

bool MonthGrid::overflows(int cell) const {
    return !cellLanes(cell)[static_cast<size_t>(lanes())].empty();
}

PlacedDayLine MonthGrid::dayLine(const Lane& lane) const {
    if (lane.empty() || lane.isPeriod())
        return {};
    const auto& lines = m_book.lines(lane.monthList());
    if (lane.index < 0 || static_cast<size_t>(lane.index) >= lines.size())
        return {};
    return {ReadDayLine(lines[static_cast<size_t>(lane.index)]), lane.monthList() != m_tab};
}

const PeriodBar* MonthGrid::periodBar(const Lane& lane) const {
    if (!lane.isPeriod())
        return nullptr;
    const auto found = std::lower_bound(m_placedBars.begin(), m_placedBars.end(), lane.index,
                                        [](const auto& placed, int32_t index) { return placed.first < index; });
    return found != m_placedBars.end() && found->first == lane.index ? &found->second : nullptr;
}

GridHit MonthGrid::hitTest(int x, int y) const {
    GridHit hit = geometry().hitTest(x, y);
    hit.day = m_firstVisible + hit.column + (hit.row - 1) * 7;
    return hit;
}

Lane MonthGrid::laneAt(const GridHit& hit) const {
    if (hit.cell() < 0 || hit.line < 1 || hit.line > lanes())
        return {};
    return cellLanes(hit.cell())[static_cast<size_t>(hit.line - 1)];
}

GridHit MonthGrid::beginPress(int x, int y) {
    const GridHit hit = hitTest(x, y);
    m_state.pressedDay = hit.day;
    return hit;
}

bool MonthGrid::finishPress(MouseButton button, const GridHit& hit) {
    if (hit.row == 0) {
        m_state.pressedInMonth = false;
        return false;
    }
    const CalendarDate date = DecodeJuliusDay(hit.day);
    if (MonthKey(date.year, date.month) == MonthKey(Year(), Month())) {
        m_state.pressedInMonth = true;
        m_state.jumped = false;
        return setJuliusDay(hit.day);
    }
    m_state.pressedInMonth = false;
    if (!m_options.NeighborJump || button == MouseButton::Right)
        return false;
    // The jumped month (tab 5) has no neighbouring tabs, so leaving it either way exceeds the tab range.
    if (hit.row < 3) {
        m_state.jumpedBackward = true;
        if (!m_state.tabRangeExceeded) {
            if (m_tab == 0 || m_tab == kJumpSlot)
                m_state.tabRangeExceeded = true;
            else
                --m_tab;
        }
    } else if (hit.row > 3) {
        m_state.jumpedBackward = false;
        if (!m_state.tabRangeExceeded) {
            if (m_tab >= 4)
                m_state.tabRangeExceeded = true;
            else
                ++m_tab;
        }
    }
    m_state.jumped = true;
    return setJuliusDay(hit.day);
}

void MonthGrid::resetSelection() {
    m_state.selectionFirst = 0;
    m_state.selectionLast = 0;
    m_state.highlight = false;
    m_state.selectedPeriod = 0;
}

bool MonthGrid::periodCovers(int index, int32_t day) const {
    if (index < 1 || static_cast<size_t>(index) >= m_periodDays.size())
        return false;
    const auto& days = m_periodDays[static_cast<size_t>(index)];
    return days && day >= days->start && day <= days->end;
}

CellTexts MonthGrid::cellTexts(int cell) const {
    const CellDay& day = cellDay(cell);
    CellTexts texts;
    texts.day = day.day;
    texts.date = day.date;
    texts.anniversary = AnniversaryText(day.names);
    texts.holiday = HolidayName(day.names);
    for (int lane = 0; lane < std::min<int>(lanes(), static_cast<int>(texts.lines.size())); ++lane) {
        const Lane& entry = cellLanes(cell)[static_cast<size_t>(lane)];
        if (!entry.empty() && !entry.isPeriod())
            texts.lines[static_cast<size_t>(lane)] = dayLine(entry).line.text;
    }
    return texts;
}

std::vector<std::string> MonthGrid::cellLines(int cell) const {
    const CellDay& day = cellDay(cell);
    std::vector<std::string> lines;
    if (!day.inMonth && !m_options.ShowNeighbor)
        return lines;
    std::string names;
    for (const NamePart& part : NameParts(day.names))
        names += part.text;
    if (!names.empty())
        lines.push_back(std::move(names));
    lines.insert(lines.end(), day.almanacLines.begin(), day.almanacLines.end());
    for (size_t p = 0; p < m_periodDays.size(); ++p)
        if (periodCovers(static_cast<int>(p), day.day))
            lines.push_back(PeriodSummary(m_book.periods()[p]));
    if (const int list = listOfCell(day); list >= 0) {
        const std::vector<std::string>& month = m_book.lines(list);
        for (const int32_t index : m_dayIndexes[static_cast<size_t>(list)].linesOf(day.date.day))
            if (std::string text = ReadDayLine(month[static_cast<size_t>(index)]).text; !text.empty())
                lines.push_back(std::move(text));
    }
    return lines;
}

} // namespace rekko
