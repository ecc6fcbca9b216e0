// SPDX-License-Identifier: GPL-3.0-or-later
// The rekkocal commands: parse the arguments, run one command, answer the exit code.
#pragma once

#include "platform/Clock.h"
#include "sync/SyncPorts.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace rekko::cli {

struct Terminal {
    std::ostream& out;
    std::ostream& err;
    bool interactive = false; // standard output is a terminal: highlight today
};

// What the commands read: the clock, Rekko's program folder whose settings name the data folder, and the folder
// rekkocal was started in, against which file names given are taken (empty: the current directory).
struct Environment {
    const Clock& clock;
    std::filesystem::path programFolder;
    std::filesystem::path startedIn{};
    std::filesystem::path shippedFolder{}; // the shipped files; empty: the program folder
    SyncPorts* sync = nullptr;             // the secret store and the sync; none: the sync command cannot run
};

// Exit codes: 0 done, 1 the data could not be read (for clock: no time; for sync: a server error), 2 bad arguments
// (a one-line message on err for both), 3 the data folder is held by Rekko (sync).
constexpr int kExitOk = 0;
constexpr int kExitData = 1;
constexpr int kExitUsage = 2;
constexpr int kExitBusy = 3;

// Runs the command named by the first argument. What it prints shows invalid bytes as \xHH and NUL as \x00; a
// command that fails prints nothing on out.
int Run(const std::vector<std::string>& args, const Environment& environment, Terminal& terminal);

} // namespace rekko::cli
