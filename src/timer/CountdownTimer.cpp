// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown timer's state and its firing window.
#include "CountdownTimer.h"

#include <algorithm>

namespace rekko {

namespace {

constexpr int32_t kMinute = 60'000;

} // namespace

int32_t MillisecondOfDay(LocalDateTime t) {
    const TimeOfDay time = TimeOf(t);
    return ((time.hour * 60 + time.minute) * 60 + time.second) * 1000 + time.millisecond;
}

bool IsAlertDue(int32_t setTime, int notice, int32_t now) {
    return now + notice * kMinute >= setTime && now - (notice + 30) * kMinute < setTime;
}

CountdownTimer::CountdownTimer(LocalDateTime storedTime, int storedNotice) : m_setTime(MillisecondOfDay(storedTime)) {
    setNotice(storedNotice);
}

LocalDateTime CountdownTimer::storedTime() const {
    return static_cast<double>(m_setTime) / kMillisecondsOfDay;
}

void CountdownTimer::setNotice(int minutes) {
    m_notice = std::clamp(minutes, 0, 9);
}

void CountdownTimer::arm(int32_t setTime) {
    m_setTime = (setTime % kMillisecondsOfDay + kMillisecondsOfDay) % kMillisecondsOfDay;
    m_armed = true;
}

void CountdownTimer::switchFunction(bool on) {
    if (!on)
        m_armed = false;
}

bool CountdownTimer::checkAlarm(LocalDateTime now, TimerAlert& alert) {
    if (!m_armed || !IsAlertDue(m_setTime, m_notice, MillisecondOfDay(now)))
        return false;
    m_armed = false;
    alert.queueAlert();
    return true;
}

} // namespace rekko
