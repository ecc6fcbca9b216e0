// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the computer's clock: clock_settime, and systemd's time service where the process lacks the privilege.
#include "ClockSetter.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace rekko {

namespace {

// Days from 1899-12-30, day 0 of the local date-and-time value, to 1970-01-01.
constexpr double kDaysBeforeUnixEpoch = 25569;

// Runs "timedatectl" with the arguments and returns what it printed; nothing when it cannot run, fails or takes longer
// than the limit.
std::optional<std::string> RunTimeService(std::initializer_list<const char*> arguments, std::chrono::seconds limit) {
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    // Its complaints (no systemd, no bus) are answered by its exit status; they are not the user's to read.
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>("timedatectl")};
    for (const char* argument : arguments)
        argv.push_back(const_cast<char*>(argument));
    argv.push_back(nullptr);
    pid_t child = 0;
    const bool started = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    std::string text;
    const auto end = std::chrono::steady_clock::now() + limit;
    bool finished = false;
    while (started) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        pollfd entry{output[0], POLLIN, 0};
        if (left.count() <= 0 || ::poll(&entry, 1, static_cast<int>(left.count())) <= 0)
            break;
        char buffer[256];
        const ssize_t got = ::read(output[0], buffer, sizeof buffer);
        if (got <= 0) {
            finished = got == 0;
            break;
        }
        text.append(buffer, static_cast<size_t>(got));
    }
    ::close(output[0]);
    if (!started)
        return std::nullopt;
    if (!finished)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!finished || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
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
