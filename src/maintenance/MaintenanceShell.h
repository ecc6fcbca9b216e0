// SPDX-License-Identifier: GPL-3.0-or-later
// What the maintenance window asks of the shell: its folders, the month shown and its grid, save all, and the end
// after a restore or a setup, whether a time retrieval runs.
#pragma once

#include "controls/MonthGrid.h"

#include <filesystem>

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
    // Answers whether the main window is retrieving the time.
    virtual bool retrievalRuns() const = 0;
};

} // namespace rekko
