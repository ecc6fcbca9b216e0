// SPDX-License-Identifier: GPL-3.0-or-later
// Status-bar texts of the main window.
#include "StatusText.h"

#include "base/TextProcedures.h"

#include <cstdio>

namespace rekko {

std::string FormatStatusClock(LocalDateTime now) {
    const CalendarDate date = DateOf(now);
    const TimeOfDay time = TimeOf(now);
    const int hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%d : %02d", hour, time.minute);
    return std::to_string(date.year) + "/" + std::to_string(date.month) + "/" + std::to_string(date.day) + " (" +
           WeekdayShortName(JuliusDayOfWeek(DateTimeToJuliusDay(now))) + ") " + (time.hour < 12 ? "午前 " : "午後 ") +
           clock;
}

StatusLine StatusPanel1(bool jigloPresent, int countdownSeconds, bool showStartFolder,
                        const std::string& programFolder) {
    const std::string prefix = jigloPresent ? "<Jiglo>によって時刻変更中" : "";
    if (countdownSeconds > 0) {
        char countdown[64];
        std::snprintf(countdown, sizeof countdown, " 自動常駐まであと %2d 秒   ", countdownSeconds);
        return {prefix + "     " + countdown, true};
    }
    if (showStartFolder)
        return {prefix + "     【 起動フォルダ 】   " + programFolder + "  ", true};
    return {prefix, false};
}

} // namespace rekko
