// SPDX-License-Identifier: GPL-3.0-or-later
// The month view's grid events: presses, drags and releases, the popups, and opening days, periods and
// anniversaries for the schedule dialog.
#include "MonthView.h"

#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include <QMenu>

namespace rekko {

namespace {

// Alt drags a period; Shift does the same, as many desktops take Alt-drag for moving windows.
GridKeys keysOf(Qt::KeyboardModifiers modifiers) {
    return {.range = (modifiers & (Qt::AltModifier | Qt::ShiftModifier)) != 0,
            .ctrl = (modifiers & Qt::ControlModifier) != 0};
}

} // namespace

void MonthView::wireGrid() {
    connect(m_grid, &TSeMCal::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
                if (const int32_t day = pointAt(x, y).day; takeDayPress && day != 0 && takeDayPress(day))
                    return;
                GridState& state = m_grid->grid().state();
                const int selected = state.selectedPeriod;
                m_mouse.press(GridButton(button), keysOf(modifiers), pointAt(x, y), state);
                // A right press shows its popup before any release, so a selection it cleared is drawn now.
                if (state.selectedPeriod != selected)
                    m_grid->RedrawCells();
            });
    connect(m_grid, &TSeMCal::mouseDoubleClick, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
                m_mouse.doubleClick(GridButton(button), keysOf(modifiers), pointAt(x, y), m_grid->grid().state());
            });
    connect(m_grid, &TSeMCal::mouseMove, this, [this](Qt::MouseButtons, Qt::KeyboardModifiers modifiers, int x, int y) {
        if (m_mouse.move(keysOf(modifiers), pointAt(x, y).day, m_grid->grid().state()))
            m_grid->RedrawCells();
    });
    connect(m_grid, &TSeMCal::mouseUp, this, &MonthView::mouseUp);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &MonthView::popup);

    const MonthPageMenus& menus = m_page->menus();
    connect(menus.editDay, &QAction::triggered, this, [this] { openDay(m_grid->grid().JuliusDay()); });
    connect(menus.periodStart, &QAction::triggered, this, [this] {
        m_mouse.startPeriodHere(m_grid->grid().state());
        m_grid->RedrawCells();
    });
    connect(menus.periodEnd, &QAction::triggered, this, [this] {
        const GridAction action = m_mouse.endPeriodHere(m_grid->grid().state());
        m_grid->RedrawCells(); // the end is marked before anything opens
        perform(action);
    });
    connect(menus.anniversary, &QAction::triggered, this, [this] { openAnniversary(m_grid->grid().JuliusDay()); });
    connect(menus.resident, &QAction::triggered, m_page->buttons().resident, &QPushButton::click);
    connect(menus.deletePeriod, &QAction::triggered, this, [this] {
        const int period = m_grid->grid().state().selectedPeriod;
        if (period > 0 && m_stores.periods().remove(static_cast<size_t>(period)))
            m_grid->grid().state().selectedPeriod = 0;
        m_grid->Redraw();
    });
}

GridPoint MonthView::pointAt(int x, int y) const {
    const MonthGrid& grid = m_grid->grid();
    const GridHit hit = grid.hitTest(x, y);
    GridPoint point;
    point.day = hit.cell() >= 0 ? hit.day : 0;
    point.part = hit.block;
    point.inShownMonth = hit.cell() >= 0 && grid.cellDay(hit.cell()).inMonth;
    point.lane = grid.laneAt(hit);
    point.onSelectedPeriod = grid.periodCovers(grid.state().selectedPeriod, point.day);
    return point;
}

void MonthView::mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
    if (takeRelease && takeRelease())
        return;
    MonthGrid& grid = m_grid->grid();
    // A press on a neighbouring month's day may have moved the grid to another tab or past the window.
    GridState& state = grid.state();
    if (state.tabRangeExceeded) {
        state.tabRangeExceeded = false;
        step(state.jumpedBackward ? -1 : +1);
    } else if (grid.currentTab() != m_stores.navigator().currentSlot() && !m_stores.navigator().jumpMode()) {
        m_stores.navigator().chooseTab(grid.currentTab(), m_host.today());
        showSlot();
    }
    const GridAction action = m_mouse.release(GridButton(button), keysOf(modifiers), pointAt(x, y), state);
    perform(action);
    m_grid->RedrawCells();
}

void MonthView::perform(const GridAction& action) {
    switch (action.kind) {
    case GridAction::Kind::None:
        return;
    case GridAction::Kind::OpenDay:
        openDay(action.day);
        return;
    case GridAction::Kind::NewPeriod:
    case GridAction::Kind::EditPeriod:
        openPeriod(action.period, action);
        return;
    case GridAction::Kind::Reversed:
        m_dialogs.inform("初めと終わりが逆です。");
        return;
    }
}

void MonthView::popup(const QPoint& at) {
    const QPoint global = m_grid->mapToGlobal(at);
    const MonthPageMenus& menus = m_page->menus();
    if (m_grid->grid().state().selectedPeriod > 0) {
        menus.period->popup(global);
        return;
    }
    const PopupEnabling enabling = m_mouse.popupEnabling(m_grid->grid().state().pressedInMonth);
    menus.editDay->setEnabled(enabling.edit);
    menus.resident->setEnabled(enabling.resident);
    menus.periodStart->setEnabled(enabling.periodStart);
    menus.periodEnd->setEnabled(enabling.periodEnd);
    menus.exit->setEnabled(enabling.exit);
    menus.grid->popup(global);
}

void MonthView::openDay(int32_t day) {
    m_mouse.dropPendingPeriod();
    const int slot = m_stores.navigator().currentSlot();
    const MonthSlot& month = m_stores.navigator().shown();
    const CalendarDate date = DecodeJuliusDay(day);
    if (!editDay || date.year != month.year || date.month != month.month)
        return;
    if (auto edited = editDay(day, LoadDay(m_stores.months().lines(slot), date.day))) {
        m_stores.months().replaceDay(slot, date.day, *edited);
        m_grid->Redraw();
    }
}

void MonthView::openPeriod(int index, const GridAction& range) {
    m_mouse.dropPendingPeriod();
    if (!editPeriod)
        return;
    const TColor defaultColour = StringToColor(m_settings.edtKColor).value_or(clBlue);
    const auto& periods = m_stores.periods().list();
    if (index > 0 && static_cast<size_t>(index) >= periods.size())
        return;
    const PeriodFields stored = index == 0 ? NewPeriod(range.start, range.startPart, range.end, range.endPart,
                                                       m_settings.udKFutosa, defaultColour)
                                           : ReadPeriodRecord(periods[static_cast<size_t>(index)], defaultColour);
    // An invalid date is shown by the store; the dialog then opens again with what the user typed.
    for (auto edited = editPeriod(stored, index == 0); edited; edited = editPeriod(*edited, index == 0)) {
        if (m_stores.periods().store(static_cast<size_t>(index), *edited)) {
            m_grid->grid().resetSelection();
            break;
        }
    }
    m_grid->Redraw();
}

void MonthView::openAnniversary(int32_t day) {
    if (!editAnniversary)
        return;
    const CalendarDate date = DecodeJuliusDay(day);
    const Anniversary found = m_stores.anniversaryOf(date.month, date.day);
    const auto edited = editAnniversary(day, found);
    if (!edited)
        return;
    const Status saved = m_stores.saveAnniversary(date.month, date.day, found, *edited);
    if (!saved) {
        SaveReport report;
        report.add(saved);
        m_dialogs.inform(report.message());
        return;
    }
    m_grid->Redraw();
    emit dayRulesChanged();
}

void MonthView::reloadSchedules() {
    if (const Status loaded = m_stores.reload(); !loaded) {
        SaveReport report;
        report.add(loaded);
        m_dialogs.inform(report.message());
    }
    m_grid->Redraw();
}

Status MonthView::replaceSpecialDays(std::vector<std::string> lines) {
    Status written = m_stores.replaceSpecialDays(std::move(lines));
    if (written) {
        m_grid->Redraw();
        emit dayRulesChanged();
    }
    return written;
}

} // namespace rekko
