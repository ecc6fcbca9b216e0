// The points where the month store, year page, memo, start/stop record and hotkeys join the main window's shell.
#pragma once

#include "SaveReport.h"
#include "Settings.h"

#include "calendar/Result.h"

#include <functional>
#include <string>
#include <vector>

namespace rekko {

// When a month-initialisation step runs: before the settings are read (month window, tab labels), after them
// (months, period file, memo), or at the end (holiday files, year view, redraw, selecting the current month).
enum class MonthInitPhase { BeforeSettings, AfterSettings, Finish };

struct MonthInitStep {
    MonthInitPhase phase = MonthInitPhase::AfterSettings;
    std::function<Status()> run; // a failure (the file and its cause), or an exception, makes it fail
};

// A store written by save all after the settings file; its name says what was not written when it fails. A store of
// the user's schedules or memo also says how its content is rescued when its write fails.
struct SaveAllParticipant {
    std::string name;
    std::function<Status()> save;
    RescueWrite rescue{};
};

// Every member may stay empty; the shell then skips that step.
struct ShellSeams {
    // The widgets copy their controls into the settings (before a read, for the keys whose default is the current
    // state, and before every write) and take the values back after a read.
    std::function<void(Settings&)> collectSettings;
    std::function<void(const Settings&)> applySettings;

    // Month initialisation, in the order added within each phase.
    std::vector<MonthInitStep> monthInitialisation;

    // Save all writes the settings file first, then these in the order added (jumped month, months 0 to 4, period
    // file, memo). Every participant runs even when an earlier one failed.
    std::vector<SaveAllParticipant> saveAll;

    // The start and stop record, called only while cbKidouKiroku is on. A failing start record is reported and
    // start-up goes on.
    std::function<Status()> appendStartRecord;
    std::function<void()> appendStopRecord;

    // Hotkeys: registered at start while cbHotkey is on, released when the main window goes away.
    std::function<void()> registerHotkeys;
    std::function<void()> releaseHotkeys;

    // The last creation steps: measuring the memo text and the first day count of the year page.
    std::function<void()> measureMemo;
    std::function<void()> startDayCount;
};

} // namespace rekko
