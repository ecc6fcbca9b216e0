// SPDX-License-Identifier: GPL-3.0-or-later
// The ports through which the shell's sequences reach the start-and-stop record, the hotkeys, the year page and the
// memo page, each with a null class that does nothing, used until that part is wired into the main window.
#pragma once

#include "base/Result.h"

#include <filesystem>

namespace rekko {

class RecordPort {
public:
    virtual ~RecordPort() = default;
    // Appends the start record; a failure is reported by the caller and start-up goes on.
    virtual Status appendStart() = 0;
    // Appends the stop record at the orderly end.
    virtual void appendStop() = 0;
};

class HotkeyPort {
public:
    virtual ~HotkeyPort() = default;
    // Registers the global hotkeys (cbHotkey on), reporting each one that cannot be had.
    virtual void registerKeys() = 0;
    // Releases them when the main window goes away.
    virtual void releaseKeys() = 0;
};

class YearPort {
public:
    virtual ~YearPort() = default;
    // Shows the year of today under the first-month rule (month initialisation).
    virtual void showYearAtStart() = 0;
    // Sets both dates of the day count to today and counts once (the last creation step).
    virtual void startDayCount() = 0;
};

class MemoPort {
public:
    virtual ~MemoPort() = default;
    // Loads the memo file (month initialisation); a file that exists but cannot be read fails.
    virtual Status load(const std::filesystem::path& memoFile) = 0;
    // Writes the memo when it was modified (save all, after the period file); while writes are held it writes
    // nothing and reports an edited memo as not written.
    virtual Status save() = 0;
    // Shows the free space of the memo text (a creation step).
    virtual void measure() = 0;
};

struct ShellPorts {
    RecordPort& record;
    HotkeyPort& hotkeys;
    YearPort& year;
    MemoPort& memo;
};

// Returns ports for parts that are not there yet: each does nothing and succeeds.
ShellPorts NullShellPorts();

} // namespace rekko
