// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-setting port: sets the computer's clock to a time given in UTC.
#pragma once

#include "base/LocalDateTime.h"

namespace rekko {

// How this process can set the clock.
enum class ClockAccess {
    Direct,         // it has the privilege
    ThroughService, // the system's time service sets it, asking the user for a password where policy wants one
    None,           // not at all
};

class ClockSetter {
public:
    virtual ~ClockSetter() = default;

    // Sets the computer's clock to a UTC date and time (local date-and-time units); answers whether it was set. Only
    // with mayAsk may the system ask the user for a password first.
    virtual bool set(LocalDateTime utc, bool mayAsk) = 0;

    // Answers whether the system already keeps the clock synchronised, so that a correction would fight it.
    virtual bool systemSynchronises() { return false; }

    // Answers how the clock can be set here.
    virtual ClockAccess access() { return ClockAccess::Direct; }
};

// Sets the clock with clock_settime where the process may (CAP_SYS_TIME), otherwise through systemd's time service
// ("timedatectl set-time", which asks the desktop user for the password where policy wants one and mayAsk allows).
class SystemClockSetter : public ClockSetter {
public:
    bool set(LocalDateTime utc, bool mayAsk) override;
    // Asks systemd's time service ("timedatectl show -p NTPSynchronized"); no answer within 5 s counts as no.
    bool systemSynchronises() override;
    // Direct with CAP_SYS_TIME; through the service where systemd's time service answers within 5 s.
    ClockAccess access() override;
};

} // namespace rekko
