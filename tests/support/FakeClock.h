// SPDX-License-Identifier: GPL-3.0-or-later
// A Clock double whose "now" the test sets and moves.
#pragma once

#include "calendar/Julius.h"
#include "platform/Clock.h"

namespace rekko::test {

class FakeClock : public Clock {
public:
    explicit FakeClock(LocalDateTime start = 0) : m_now(start) {}
    FakeClock(const CalendarDate& date, const TimeOfDay& time = {}) : m_now(EncodeDateTime(date, time)) {}

    LocalDateTime now() const override { return m_now; }
    void set(LocalDateTime t) { m_now = t; }
    void advanceSeconds(double seconds) { m_now += seconds / 86400.0; }

private:
    LocalDateTime m_now;
};

} // namespace rekko::test
