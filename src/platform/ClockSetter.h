// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-setting port: sets the computer's clock to a time given in UTC.
#pragma once

#include "base/LocalDateTime.h"

namespace rekko {

class ClockSetter {
public:
    virtual ~ClockSetter() = default;

    // Sets the computer's clock to a UTC date and time (local date-and-time units); answers whether it was set.
    virtual bool set(LocalDateTime utc) = 0;
};

// Sets the clock with clock_settime where the process may (CAP_SYS_TIME), otherwise through systemd's time service
// ("timedatectl set-time", which asks the desktop user for the password where policy wants one).
class SystemClockSetter : public ClockSetter {
public:
    bool set(LocalDateTime utc) override;
};

} // namespace rekko
