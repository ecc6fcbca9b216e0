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

    // Returns the current date and time in UTC, in the same units. A clock that knows no zone keeps Japan time, nine
    // hours ahead of UTC.
    virtual LocalDateTime utcNow() const { return now() - kJapanHoursAheadOfUtc / 24.0; }

    static constexpr int kJapanHoursAheadOfUtc = 9;
};

// The computer's clock, read in the local time zone.
class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
    LocalDateTime utcNow() const override;
};

} // namespace rekko
