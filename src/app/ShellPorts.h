// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the shell the sequences reach through ports (the start-and-stop record, the hotkeys, the data-folder
// lock, the year page, the memo page), and null classes that do nothing for the record, the hotkeys and the lock.
#pragma once

#include "base/Result.h"
#include "platform/FolderLock.h"

#include <filesystem>
#include <optional>
#include <string>

namespace rekko {

class StartStopLog {
public:
    virtual ~StartStopLog() = default;
    // Appends the start record keeping the newest lineLimit lines; with showPrevious answers the message about the
    // last stop for the first activation. A failure is reported by the caller and start-up goes on.
    virtual Result<std::optional<std::string>> appendStart(int lineLimit, bool showPrevious) = 0;
    // Appends the stop record at the orderly end.
    virtual Status appendStop() = 0;
    // Follows cbKidouKiroku switched by the user: off appends a stop line, on makes a missing record.
    virtual Status switchOff() = 0;
    virtual Status switchOn() = 0;
};

class ShellHotkeys {
public:
    virtual ~ShellHotkeys() = default;
    // Registers the global hotkeys (cbHotkey on), reporting each one that cannot be had.
    virtual void registerKeys() = 0;
    // Releases them when the main window goes away.
    virtual void releaseKeys() = 0;
};

class YearCalendars {
public:
    virtual ~YearCalendars() = default;
    // Shows the year of today under the first-month rule (month initialisation).
    virtual void showYearAtStart() = 0;
    // Sets both dates of the day count to today and counts once (the last creation step).
    virtual void startDayCount() = 0;
    // The calendars take the new today (the date rolled over).
    virtual void refreshToday() = 0;
};

class StoredMemo {
public:
    virtual ~StoredMemo() = default;
    // Loads the memo file (month initialisation); a file that exists but cannot be read fails.
    virtual Status load(const std::filesystem::path& memoFile) = 0;
    // Writes the memo when it was modified (save all, after the period file); while writes are held it writes
    // nothing and reports an edited memo as not written.
    virtual Status save() = 0;
    // Shows the free space of the memo text (a creation step).
    virtual void measure() = 0;
};

struct ShellPorts {
    StartStopLog& record;
    ShellHotkeys& hotkeys;
    FolderLock& folderLock;
};

// Returns ports that do nothing and succeed, for windows built without a record, hotkeys or a lock (tests).
ShellPorts NullShellPorts();

} // namespace rekko
