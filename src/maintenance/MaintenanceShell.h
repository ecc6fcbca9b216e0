// SPDX-License-Identifier: GPL-3.0-or-later
// What the maintenance window asks of the shell: its folders, the month shown and its grid, save all, the end after
// a restore or a setup, the special days, whether a time retrieval runs, and the release of the hot keys.
#pragma once

#include "Commemoration.h"

#include "base/Result.h"
#include "controls/MonthGrid.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

struct ShownMonth {
    int year = 0;
    int month = 0;
};

class MaintenanceShell {
public:
    virtual ~MaintenanceShell() = default;
    // The program folder, where the settings file lives.
    virtual std::filesystem::path programFolder() const = 0;
    // The data folder as the main window names it; empty for the working folder.
    virtual std::string dataFolder() const = 0;
    // The year and month the main window shows.
    virtual ShownMonth shownMonth() const = 0;
    // The month grid of the main window, as last laid out.
    virtual const MonthGrid& shownGrid() const = 0;
    // Save all, then the removal of superseded period-file copies; what failed is told by the shell.
    virtual void saveAll() = 0;
    // Writes the stop record when it is switched on and ends the program without save all, so that nothing in
    // memory is written over the files just restored (or, after a setup, over the files of the new instance).
    virtual void endAfterRestore() = 0;
    // The special-day lines as the calendars hold them ("Sday.myc" of the working folder).
    virtual std::vector<std::string> specialDays() const = 0;
    // Writes the special-day lines to "Sday.myc" of the working folder, merged with what changed there, and has the
    // month grid and the year calendars take them; answers the failure (then nothing changed).
    virtual Status replaceSpecialDays(std::vector<std::string> lines) = 0;
    // Reloads the months and periods from their files without saving first: a bulk command rewrote them.
    virtual void reloadSchedules() = 0;
    // The commemoration settings as the main window keeps them.
    virtual Commemoration commemoration() const = 0;
    // Hands changed commemoration settings to the main window, which shows them and keeps them in "Cmr.myc".
    virtual void keepCommemoration(const Commemoration& values) = 0;
    // Answers whether the main window is retrieving the time.
    virtual bool retrievalRuns() const = 0;
    // Answers whether the main window is busy with other work that must end first: the change of date at midnight, or a
    // calendar sync.
    virtual bool otherwiseBusy() const = 0;
    // Releases the global hot keys, so that the program a setup starts can register them.
    virtual void releaseHotkeys() = 0;
};

} // namespace rekko
