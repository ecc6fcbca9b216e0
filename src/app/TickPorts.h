// SPDX-License-Identifier: GPL-3.0-or-later
// What the function tick needs from the rest of the program: the main window, the month window and the open dialogs.
#pragma once

#include "base/SaveReport.h"
#include "clocksync/ClockCorrection.h"

#include "base/Result.h"
#include "calendar/Julius.h"

#include <cstdint>

namespace rekko {

// The pages of the main window's page control.
enum class ShownPage { Month, Year, Settings, Memo };

// The main window as the tick uses it.
class TickWindow {
public:
    virtual ~TickWindow() = default;

    virtual bool visible() const = 0;
    virtual ShownPage shownPage() const = 0;
    // Sets the interval of the function tick's timer.
    virtual void setTickInterval(int milliseconds) = 0;
    // Enables or disables the check box of automatic clock correction (cbTShuusei); it is off while a tick runs.
    virtual void setAutoCorrectionEnabled(bool enabled) = 0;
    // A time retrieval started or ended: the commands that open the clock-correction settings follow.
    virtual void showRetrieval(bool running) = 0;
    // Ends the program without the stop record and without saving: after a failed month initialisation the lists
    // hold nothing that may be written over the files.
    virtual void quitWithoutSaving() = 0;
};

// The month window and the pages that show the date.
class TickMonths {
public:
    virtual ~TickMonths() = default;

    // Returns the day number the program takes as today.
    virtual int32_t today() const = 0;
    // Stores a new today in the program, the month grid and the year calendars.
    virtual void storeToday(int32_t day) = 0;
    // Shows the current month on the month page (the month view's "this month").
    virtual void showThisMonth() = 0;
    virtual void redraw() = 0;
    virtual void refreshYearView() = 0;
    // Saves all: the settings, the edited jumped month, the five months, the period file and the memo.
    virtual SaveReport saveAll() = 0;
    // Waits one second, empties the month lists, the grid's other per-month list and the period list, and runs
    // month initialisation around the clock's today. Answers its failure.
    virtual Status reinitialise() = 0;
};

// Which of the main window's modal windows are open.
class DialogState {
public:
    virtual ~DialogState() = default;

    // Answers whether the schedule dialog is open (not any window that shares its caption).
    virtual bool scheduleDialogOpen() const = 0;
};

} // namespace rekko
