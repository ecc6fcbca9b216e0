// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid's mouse rules and the period entry they drive.
#include "GridInteraction.h"

#include <utility>

namespace rekko {

void GridInteraction::press(MouseButton button, GridKeys keys, const GridPoint& at, GridState& state) {
    m_doubleClicked = false;
    if (button == MouseButton::Right) {
        m_clickedDay = at.day;
        m_clickedPart = at.part;
        if (!at.onSelectedPeriod)
            state.selectedPeriod = 0;
        return;
    }
    if (button != MouseButton::Left)
        return;
    m_selectedBeforePress = state.selectedPeriod;
    state.selectedPeriod = 0;
    if (keys.range) {
        m_pending = true;
        m_start = at.day;
        m_startPart = at.part;
        state.selectionFirst = at.day;
        state.selectionLast = at.day;
    }
}

bool GridInteraction::move(GridKeys keys, int32_t day, GridState& state) {
    if (!keys.range || !m_pending || day == 0 || day == state.selectionLast)
        return false;
    state.selectionLast = day;
    return true;
}

GridAction GridInteraction::release(MouseButton button, GridKeys keys, const GridPoint& at, GridState& state) {
    GridAction action;
    if (std::exchange(m_doubleClicked, false)) {
        state.selectionFirst = 0;
        state.selectionLast = 0;
        if (m_doubleClickedDay != 0 && !state.suspend) {
            m_pending = false;
            action = {GridAction::Kind::OpenDay, m_doubleClickedDay};
        }
    } else {
        action = decideRelease(button, keys, at, state);
    }
    m_releaseOpened = action.kind != GridAction::Kind::None && action.kind != GridAction::Kind::Reversed;
    return action;
}

void GridInteraction::doubleClick(MouseButton button, GridKeys keys, const GridPoint& at, GridState& state) {
    if (button != MouseButton::Left || keys.range || !at.inShownMonth || at.lane.isPeriod()) {
        press(button, keys, at, state);
        return;
    }
    m_doubleClicked = true;
    m_doubleClickedDay = m_releaseOpened ? 0 : at.day;
}

GridAction GridInteraction::decideRelease(MouseButton button, GridKeys keys, const GridPoint& at, GridState& state) {
    if (button == MouseButton::Right) {
        m_clickedDay = at.day;
        m_clickedPart = at.part;
        return {};
    }
    if (button != MouseButton::Left)
        return {};
    state.selectionFirst = 0;
    state.selectionLast = 0;
    m_clickedPart = at.part;
    if ((!keys.range && !at.lane.empty() && !at.lane.isPeriod()) || keys.ctrl) {
        if (!at.inShownMonth || state.suspend)
            return {};
        m_pending = false;
        return {GridAction::Kind::OpenDay, at.day};
    }
    if (keys.range && m_pending)
        return finishPeriod(at.day, at.part);
    m_pending = false;
    if (at.lane.isPeriod()) {
        const int index = static_cast<int>(at.lane.index);
        if (index == m_selectedBeforePress && index > 0) {
            GridAction open{GridAction::Kind::EditPeriod};
            open.period = index;
            return open;
        }
        state.selectedPeriod = index;
    }
    return {};
}

void GridInteraction::startPeriodHere(GridState& state) {
    m_pending = true;
    m_start = m_clickedDay;
    m_startPart = m_clickedPart;
    state.selectionFirst = m_clickedDay;
    state.selectionLast = m_clickedDay;
}

GridAction GridInteraction::endPeriodHere(GridState& state) {
    state.selectionLast = m_clickedDay;
    if (!m_pending)
        return {};
    return finishPeriod(m_clickedDay, m_clickedPart);
}

GridAction GridInteraction::finishPeriod(int32_t day, int part) {
    if (day < m_start)
        return {GridAction::Kind::Reversed};
    m_pending = false;
    GridAction action{GridAction::Kind::NewPeriod};
    action.start = m_start;
    action.startPart = m_startPart;
    action.end = day;
    action.endPart = part;
    return action;
}

PopupEnabling GridInteraction::popupEnabling(bool daySelected) const {
    PopupEnabling enabling;
    if (m_pending) {
        enabling.periodEnd = true;
        return enabling;
    }
    enabling.edit = daySelected;
    enabling.resident = true;
    enabling.periodStart = true;
    enabling.exit = true;
    return enabling;
}

} // namespace rekko
