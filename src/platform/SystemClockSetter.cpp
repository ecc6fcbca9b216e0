// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the computer's clock: clock_settime, and systemd's time service where the process lacks the privilege.
#include "ClockSetter.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace rekko {

namespace {

// Days from 1899-12-30, day 0 of the local date-and-time value, to 1970-01-01.
constexpr double kDaysBeforeUnixEpoch = 25569;

// Runs "timedatectl set-time" with the time as "YYYY-MM-DD hh:mm:ss UTC" and waits for it; answers whether it
// succeeded. The service takes whole seconds.
bool SetThroughTimeService(time_t seconds) {
    std::tm utc{};
    if (::gmtime_r(&seconds, &utc) == nullptr)
        return false;
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    char program[] = "timedatectl";
    char command[] = "set-time";
    char* argv[] = {program, command, text, nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

bool SystemClockSetter::set(LocalDateTime utc) {
    const double seconds = (utc - kDaysBeforeUnixEpoch) * 86400.0;
    if (!std::isfinite(seconds) || seconds < 0 || seconds > 253402300799.0) // up to the end of year 9999
        return false;
    const long long nanoseconds = std::llround(seconds * 1e9);
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(nanoseconds / 1'000'000'000);
    ts.tv_nsec = static_cast<long>(nanoseconds % 1'000'000'000);
    if (::clock_settime(CLOCK_REALTIME, &ts) == 0)
        return true;
    return errno == EPERM && SetThroughTimeService(static_cast<time_t>(std::llround(seconds)));
}

} // namespace rekko
