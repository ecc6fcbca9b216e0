// SPDX-License-Identifier: GPL-3.0-or-later
// What presses, drags and releases on the month grid mean: opening days, entering and selecting periods.
#pragma once

#include "controls/MonthGrid.h"

#include <cstdint>

namespace rekko {

// Where the pointer is on the grid: its day and part of day (1 朝, 2 昼, 3 夕), whether the day belongs to the
// shown month, what the line under it holds and whether the selected period covers the day.
struct GridPoint {
    int32_t day = 0;
    int part = 1;
    bool inShownMonth = false;
    Lane lane;
    bool onSelectedPeriod = false;
};

// What a release or a popup command asks the main window to do.
struct GridAction {
    enum class Kind { None, OpenDay, NewPeriod, EditPeriod, Reversed };
    Kind kind = Kind::None;
    int32_t day = 0;   // OpenDay
    int period = 0;    // EditPeriod: the line of the period list
    int32_t start = 0; // NewPeriod: the range and its parts
    int startPart = 1;
    int32_t end = 0;
    int endPart = 3;
};

// The entries of the grid's popup that may be used now.
struct PopupEnabling {
    bool edit = false;
    bool resident = false;
    bool periodStart = false;
    bool periodEnd = false;
    bool exit = false;
};

// The keys held with a press, a move or a release. range: Alt or Shift, both drag a period, as Alt-drag moves windows
// on many desktops; ctrl: a left release opens any day.
struct GridKeys {
    bool range = false;
    bool ctrl = false;
};

class GridInteraction {
public:
    // A right press remembers the day and part for the popup, which opens on the press under X11 and takes the
    // release; on a day the selected period does not cover it clears the selection, so the popup is the day's. A
    // left press clears the period selection; with the range key it starts a pending period and the drag range
    // there.
    void press(MouseButton button, GridKeys keys, const GridPoint& at, GridState& state);
    // With the range key held, entering another day extends the drag range; answers whether to redraw.
    bool move(GridKeys keys, int32_t day, GridState& state);
    // Decides a release: a right release remembers the day and part for the popup; a left one opens the day
    // under a day line (or any day with Ctrl), ends a dragged period, or selects a period bar (a second
    // release on the selected bar opens it). While the grid's redraw is suspended it is switching months and
    // opens nothing.
    GridAction release(MouseButton button, GridKeys keys, const GridPoint& at, GridState& state);
    // Takes the second press of a double-click: a plain left double-click on a day of the shown month, not on a
    // period bar, makes the release after it open that day, unless the first click opened something already;
    // any other double-click is an ordinary press (so a period bar is selected, then opened).
    void doubleClick(MouseButton button, GridKeys keys, const GridPoint& at, GridState& state);

    // The popup commands: "期間予定開始" starts a pending period at the remembered day, "期間予定終了" ends it there.
    void startPeriodHere(GridState& state);
    GridAction endPeriodHere(GridState& state);
    // Drops a pending period (a day was opened, or the period dialog was shown).
    void dropPendingPeriod() { m_pending = false; }

    PopupEnabling popupEnabling(bool daySelected) const;
    bool periodPending() const { return m_pending; }
    // The day and part of the last right click, for the popup.
    int32_t clickedDay() const { return m_clickedDay; }

private:
    GridAction decideRelease(MouseButton button, GridKeys keys, const GridPoint& at, GridState& state);
    GridAction finishPeriod(int32_t day, int part);

    bool m_pending = false;
    int32_t m_start = 0;
    int m_startPart = 1;
    int32_t m_clickedDay = 0;
    int m_clickedPart = 1;
    int m_selectedBeforePress = 0;
    bool m_releaseOpened = false;   // the last release opened a day or a period
    bool m_doubleClicked = false;   // the coming release ends a double-click that opens a day ...
    int32_t m_doubleClickedDay = 0; // ... this one, or none when the first click opened something
};

} // namespace rekko
