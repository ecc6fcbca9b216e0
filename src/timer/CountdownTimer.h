// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown timer kept by the main window: set time, notice minutes, armed flag, and the tick's alarm check.
#pragma once

#include "calendar/Julius.h"

#include <cstdint>

namespace rekko {

inline constexpr int32_t kMillisecondsOfDay = 86'400'000;

// Returns the time of day of a local date-and-time value in whole milliseconds, 0 to 86 399 999.
int32_t MillisecondOfDay(LocalDateTime t);

// Answers whether the alert for setTime (milliseconds of the day) with notice minutes is due at now: from notice
// minutes before the set time until notice + 30 minutes after it. The window does not wrap at midnight: a set time
// of 00:05 with 9 minutes' notice is due only after midnight, not at 23:56.
bool IsAlertDue(int32_t setTime, int notice, int32_t now);

// Opens the timer window in its alert mode for the main tick. queueAlert returns at once and never runs an event loop:
// the window opens after the tick has returned, so the alert cannot re-enter the tick.
class TimerAlert {
public:
    virtual ~TimerAlert() = default;
    virtual void queueAlert() = 0;
};

class CountdownTimer {
public:
    // Notice minutes before the alert when none is stored.
    static constexpr int kDefaultNotice = 3;

    CountdownTimer() = default;
    // Takes the stored values: the time of day of pTimer and pTimerBf (clamped to 0..9). A timer always starts
    // disarmed.
    CountdownTimer(LocalDateTime storedTime, int storedNotice);

    int32_t setTime() const { return m_setTime; }
    int notice() const { return m_notice; }
    bool armed() const { return m_armed; }
    // The set time as pTimer stores it: a time of day.
    LocalDateTime storedTime() const;

    // Sets the notice minutes, clamped to 0..9.
    void setNotice(int minutes);
    // Arms the timer for a time of day in milliseconds (taken modulo one day).
    void arm(int32_t setTime);
    void disarm() { m_armed = false; }
    // Turns the timer function (cbJigen) on or off; turning it off disarms the timer.
    void switchFunction(bool on);

    // The main tick's check: when the timer is armed and the alert is due at now, disarms it and queues the alert.
    // Answers whether the alert was queued.
    bool checkAlarm(LocalDateTime now, TimerAlert& alert);

private:
    int32_t m_setTime = 0;
    int m_notice = kDefaultNotice;
    bool m_armed = false;
};

} // namespace rekko
