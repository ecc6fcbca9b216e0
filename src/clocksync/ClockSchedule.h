// SPDX-License-Identifier: GPL-3.0-or-later
// When an automatic clock correction starts: the daily, weekly and set-time rules and the sibling clock program.
#pragma once

#include "base/LocalDateTime.h"

#include <cstdint>
#include <string>

namespace rekko {

// The main window's schedule settings, named after their keys.
struct TimeSchedule {
    bool cbTShuusei = false;
    int pTAccess = 0; // 0 daily, 1 weekly, 2 at a set time
    int pTChien = 60; // start delay in ticks (seconds)
    std::string pTTime = "150000";
    int pTYoubi = 2; // 0 every day, 1..7 Sunday..Saturday
    int32_t pTDay = 0;
    int32_t pTWeek = 0;
    int32_t pTNini = 0;
};

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
    ScheduleStep tick(TimeSchedule& schedule, LocalDateTime now, int ticks, SiblingClock sibling);

    // A retrieval due could not start (a settings window or another retrieval exists): the daily rule tries again
    // at the next tick.
    static void RetrievalRefused(TimeSchedule& schedule) { schedule.pTDay = 0; }

private:
    bool m_siblingKeepsClock = false;
};

} // namespace rekko
