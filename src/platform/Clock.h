// SPDX-License-Identifier: GPL-3.0-or-later
// The clock port: "now" as a local date-and-time value (days since 1899-12-30, time of day as the fraction).
#pragma once

#include "base/LocalDateTime.h"

namespace rekko {

class Clock {
public:
    virtual ~Clock() = default;

    // Returns the current local date and time.
    virtual LocalDateTime now() const = 0;
};

// The computer's clock, read in the local time zone.
class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
};

} // namespace rekko
