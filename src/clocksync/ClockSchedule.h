// SPDX-License-Identifier: GPL-3.0-or-later
// When an automatic clock correction starts: the daily, weekly and set-time rules and the sibling clock program.
#pragma once

#include "ClockCorrectionSettings.h"

#include "base/LocalDateTime.h"

#include <cstdint>
#include <string>

namespace rekko {

// What one tick of the schedule check found.
enum class ScheduleStep {
    Nothing,
    // The sibling clock program keeps the clock: show "<Jiglo>によって時刻変更中" and blink the indicator.
    SiblingKeepsClock,
    // Start an automatic retrieval now (and call RetrievalRefused if it cannot start).
    Start,
};

// What the tick sees of the sibling clock program: its window and its Startup-folder shortcut.
struct SiblingClock {
    bool window = false;
    bool shortcut = false;
};

class ClockSchedule {
public:
    // One tick, while no retrieval runs: now is the local time, ticks the ticks since start, the current one
    // included. Records the day of a retrieval it starts in the schedule.
    ScheduleStep tick(ClockCorrectionSettings& schedule, LocalDateTime now, int ticks, SiblingClock sibling);

    // A retrieval due could not start (a settings window or another retrieval exists): the daily rule tries again
    // at the next tick.
    static void RetrievalRefused(ClockCorrectionSettings& schedule) { schedule.pTDay = 0; }

private:
    bool m_siblingKeepsClock = false;
};

} // namespace rekko
