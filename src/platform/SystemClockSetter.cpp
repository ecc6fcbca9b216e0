// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the computer's clock: clock_settime, and systemd's time service where the process lacks the privilege.
#include "ClockSetter.h"
#include "ProgramOutput.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <unistd.h>

namespace rekko {

namespace {

// Days from 1899-12-30, day 0 of the local date-and-time value, to 1970-01-01.
constexpr double kDaysBeforeUnixEpoch = 25569;

// Runs "timedatectl" with the arguments; its complaints (no systemd, no bus) are answered by its exit status.
std::optional<std::string> RunTimeService(std::initializer_list<const char*> arguments, std::chrono::seconds limit) {
    return ProgramOutput("timedatectl", arguments, limit);
}

} // namespace

bool SystemClockSetter::systemSynchronises() {
    const auto answer = RunTimeService({"show", "-p", "NTPSynchronized", "--value"}, std::chrono::seconds(5));
    return answer && answer->starts_with("yes");
}

ClockAccess SystemClockSetter::access() {
    // The effective capabilities in /proc/self/status, a hexadecimal mask; CAP_SYS_TIME is bit 25.
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (!line.starts_with("CapEff:"))
            continue;
        const unsigned long long mask = std::strtoull(line.c_str() + 7, nullptr, 16);
        if ((mask >> 25) & 1U)
            return ClockAccess::Direct;
    }
    return RunTimeService({"show", "-p", "NTP", "--value"}, std::chrono::seconds(5)) ? ClockAccess::ThroughService
                                                                                     : ClockAccess::None;
}

bool SystemClockSetter::set(LocalDateTime utc, bool mayAsk) {
    const double seconds = (utc - kDaysBeforeUnixEpoch) * 86400.0;
    if (!std::isfinite(seconds) || seconds < 0 || seconds > 253402300799.0) // up to the end of year 9999
        return false;
    const long long nanoseconds = std::llround(seconds * 1e9);
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(nanoseconds / 1'000'000'000);
    ts.tv_nsec = static_cast<long>(nanoseconds % 1'000'000'000);
    if (::clock_settime(CLOCK_REALTIME, &ts) == 0)
        return true;
    if (errno != EPERM)
        return false;
    // The time service takes whole seconds, in a text it reads as UTC.
    const auto whole = static_cast<time_t>(std::llround(seconds));
    std::tm fields{};
    if (::gmtime_r(&whole, &fields) == nullptr)
        return false;
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &fields);
    // Asking for the password leaves the user time to type it.
    return mayAsk ? RunTimeService({"set-time", text}, std::chrono::seconds(120)).has_value()
                  : RunTimeService({"--no-ask-password", "set-time", text}, std::chrono::seconds(10)).has_value();
}

} // namespace rekko
