// SPDX-License-Identifier: GPL-3.0-or-later
// When an automatic clock correction starts: the daily, weekly and set-time rules.
#pragma once

#include "ClockCorrectionSettings.h"

#include "base/LocalDateTime.h"

#include <string>

namespace rekko {

// Returns a time of day as "hhmmss", the form of the set time.
std::string TimeDigits(int hour, int minute, int second);
// Returns the time of day of a local time as "hhmmss", in whole seconds.
std::string TimeDigits(LocalDateTime now);

// One tick of the schedule check, while no retrieval runs and no sibling clock program keeps the clock: now is the
// local time, ticks the ticks since start, the current one included. Answers whether a retrieval is due now and
// records its day in the schedule.
bool RetrievalDue(ClockCorrectionSettings& schedule, LocalDateTime now, int ticks);

// A retrieval due could not start (a settings window or another retrieval exists): the daily rule tries again at the
// next tick; the weekly and set-time rules keep the day just recorded.
inline void RetrievalRefused(ClockCorrectionSettings& schedule) {
    schedule.pTDay = 0;
}

} // namespace rekko
