// SPDX-License-Identifier: GPL-3.0-or-later
// A Clock double whose "now" the test sets and moves, and a clock setter that records instead of setting: tests never
// set the computer's clock.
#pragma once

#include "calendar/Julius.h"
#include "platform/Clock.h"
#include "platform/ClockSetter.h"

#include <vector>

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

class FakeClockSetter : public ClockSetter {
public:
    bool works = true;
    bool synchronised = false;
    ClockAccess how = ClockAccess::Direct;
    std::vector<LocalDateTime> set_;
    std::vector<bool> mayAsk;

    bool set(LocalDateTime utc, bool ask) override {
        set_.push_back(utc);
        mayAsk.push_back(ask);
        return works;
    }
    bool systemSynchronises() override { return synchronised; }
    ClockAccess access() override { return how; }
};

} // namespace rekko::test
