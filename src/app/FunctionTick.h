// SPDX-License-Identifier: GPL-3.0-or-later
// The function tick of the main window (tmKinou): status clock, warm-up, countdown-timer alarm, clock-correction
// schedule and the date rollover at midnight.
#pragma once

#include "Settings.h"
#include "StatusPanels.h"
#include "TickPorts.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/InstanceRegistry.h"
#include "timer/CountdownTimer.h"

namespace rekko {

// The title of the clock program Jiglo's window.
inline constexpr const char* kJigloWindowTitle = "Jiglo -Jiglo-";

// Ticks of the warm-up, at 1 s while automatic clock correction is on at start and at 10 s otherwise.
inline constexpr int kWarmUpTicks = 180;

class FunctionTick {
public:
    struct Ports {
        const Clock& clock;
        Dialogs& dialogs;
        InstanceRegistry& instances; // finds Jiglo's window
        TickWindow& window;
        TickMonths& months;
        DialogState& dialogState;
        CountdownTimer& timer;
        TimerAlert& alert; // opens the timer window in its alert state once the tick has returned
        ClockCorrection& correction;
        StatusPanels& status;
    };

    // settings is the main window's, read at every tick (cbTShuusei, cbTimerNo).
    FunctionTick(const Ports& ports, const Settings& settings);

    // Starts the warm-up once month initialisation is done: the counter at 180 and the interval 1 s while cbTShuusei
    // is on, 10 s otherwise. The month window is taken to be built around the months' today.
    void start();

    // Runs one tick, in this order: the clock in panel 0 while the window is visible; the warm-up (after its last
    // tick the interval becomes cbTimer's seconds); the countdown-timer alarm; then, unless a retrieval or a date
    // change runs, the clock-correction schedule (skipped while Jiglo keeps the clock) and the date rollover.
    void tick();

    // Answers whether a date change runs (closing is refused meanwhile).
    bool dateChangeRunning() const { return m_dateChangeRunning; }
    int warmUpCounter() const { return m_warmUpCounter; }
    // Returns the interval the tick runs at now, in milliseconds.
    int intervalMilliseconds() const;

private:
    void checkAlarm(LocalDateTime now);
    bool jigloKeepsTheClock();
    void rollOver(LocalDateTime now);
    bool changeDate(int32_t day);
    bool shiftMonths(int32_t day);

    Ports m_ports;
    const Settings& m_settings;
    int m_warmUpCounter = kWarmUpTicks;
    bool m_warmUpFast = false;
    int m_ticksSinceStart = 0;
    int m_windowMonth = 0;
    int m_depth = 0;
    bool m_dateChangeRunning = false;
};

} // namespace rekko
