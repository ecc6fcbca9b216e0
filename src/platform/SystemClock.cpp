// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's clock as a local date-and-time value.
#include "Clock.h"

#include <chrono>
#include <ctime>

namespace rekko {

namespace {

// Days from 1899-12-30, day 0 of the local date-and-time value, to 1970-01-01.
constexpr int kDaysBeforeUnixEpoch = 25569;

} // namespace

LocalDateTime SystemClock::now() const {
    namespace chrono = std::chrono;
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    std::tm local{};
    ::localtime_r(&ts.tv_sec, &local);
    const chrono::sys_days date{chrono::year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday};
    // A leap second (tm_sec 60) is folded into the last second of the minute.
    const long long milliseconds =
        ((local.tm_hour * 60LL + local.tm_min) * 60 + (local.tm_sec > 59 ? 59 : local.tm_sec)) * 1000 +
        ts.tv_nsec / 1'000'000;
    return date.time_since_epoch().count() + kDaysBeforeUnixEpoch + milliseconds / 86'400'000.0;
}

LocalDateTime SystemClock::utcNow() const {
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return kDaysBeforeUnixEpoch + (static_cast<double>(ts.tv_sec) + ts.tv_nsec / 1e9) / 86400.0;
}

} // namespace rekko
