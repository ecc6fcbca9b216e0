// SPDX-License-Identifier: GPL-3.0-or-later
// One correction run: fetch the time, weigh the difference against the tolerance, set the clock or leave it, and
// build the access-log entry that says what happened.
#pragma once

#include "JikokuSettings.h"
#include "TimeSource.h"

#include "platform/Clock.h"
#include "platform/ClockSetter.h"
#include "platform/Dialogs.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rekko {

enum class RunMode { Automatic, ConnectionTest };

// What a run works with. Only a connection test shows message boxes, on the thread that runs it; an automatic run
// needs no dialogs.
struct RunPorts {
    const Clock& clock;
    TimeSource& source;
    ClockSetter& setter;
    Dialogs* dialogs = nullptr;
};

struct RunOutcome {
    // The access-log entry: an empty line, the header and one line per message, lines joined by "\r\n".
    std::string entry;
    // Why no time was obtained; empty when one was.
    std::string failure;
    // The time fetched in UTC, fine adjustment (and question time) included.
    std::optional<LocalDateTime> fetched;
    // The local clock minus the time fetched, in 1/10 000 s; positive when the clock is ahead.
    std::optional<int64_t> difference;
    bool clockSet = false;
    // The status-bar text of a run that reached its result; empty otherwise.
    std::string status;
};

// Units of the difference: 1/10 000 s.
inline constexpr int64_t kDifferenceUnitsPerSecond = 10'000;

// Runs the steps of a correction. A connection test without dialogs takes every question as answered No.
RunOutcome RunCorrection(RunMode mode, const JikokuSettings& settings, RunPorts& ports);

} // namespace rekko
