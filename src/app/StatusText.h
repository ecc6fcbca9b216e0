// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the main window's status bar: the clock of panel 0 and the start-folder line of panel 1.
#pragma once

#include "calendar/Julius.h"

#include <string>

namespace rekko {

// Shown in panel 0 instead of the clock while a time retrieval runs.
inline constexpr const char* kRetrievingTimeText = "　　時刻取得中　　";

// Formats the status-bar clock "yyyy/m/d (aaa) AM/PM h : nn" in Japanese on the 12-hour clock, for example
// "2024/5/3 (金) 午後 3 : 05"; midnight and noon read 12.
std::string FormatStatusClock(LocalDateTime now);

struct StatusLine {
    std::string text;
    bool centred = true;
};

// Builds panel 1: the Jiglo prefix when Jiglo sets the clock, then the "/J" countdown while it runs, otherwise the
// start folder when showStartFolder is on (otherwise the prefix alone, left aligned).
StatusLine StatusPanel1(bool jigloPresent, int countdownSeconds, bool showStartFolder,
                        const std::string& programFolder);

} // namespace rekko
