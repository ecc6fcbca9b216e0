// SPDX-License-Identifier: GPL-3.0-or-later
// Between the month page and the shell that owns it: what the stores and the navigation need of the shell, and what
// month initialisation asks of the page.
#pragma once

#include "base/SaveReport.h"

#include <cstdint>
#include <string>

namespace rekko {

// Why an edited file was not written while writes are held because the settings file could not be read.
inline constexpr const char* kWritesHeldCause =
    "設定ファイルを読み込めないため、データフォルダを選ぶまで保存しません。";

class MonthShell {
public:
    virtual ~MonthShell() = default;

    // Returns the day number the program takes as today.
    virtual int32_t today() const = 0;
    // Returns the data folder: empty (the current directory) or a folder text ending with "/".
    virtual const std::string& dataFolder() const = 0;
    // Answers whether the data files are left alone: the settings file could not be read and no data folder has
    // been chosen since, or another process holds the data folder.
    virtual bool writesHeld() const = 0;
    // Answers whether the files of the current directory (the period-file copies, "Sday.myc") are left alone: while
    // the settings file could not be read, and while another process holds the data folder that the current
    // directory is.
    virtual bool workingFolderHeld() const = 0;
    // Returns why an edited file is not written while writes are held.
    virtual std::string writesHeldCause() const = 0;
    // Runs save all (the settings file first) and returns what could not be written.
    virtual SaveReport saveAll() = 0;
};

class MonthDisplay {
public:
    virtual ~MonthDisplay() = default;

    // Ends month initialisation on the page: the grid takes today, its options and the holiday and special-day
    // files, and shows this month.
    virtual void finishInitialisation() = 0;
    // The grid takes a new today (the date rolled over).
    virtual void setToday(int32_t day) = 0;
    // Shows the current month, as the page's "this month" does.
    virtual void showThisMonth() = 0;
    // Paints the grid's cells afresh.
    virtual void redraw() = 0;
};

} // namespace rekko
