// The rekkocal commands: parse the arguments, run one command, answer the exit code.
#pragma once

#include "platform/Clock.h"

#include <ostream>
#include <string>
#include <vector>

namespace rekko::cli {

struct Terminal {
    std::ostream& out;
    std::ostream& err;
    bool interactive = false; // standard output is a terminal: highlight today
};

// Exit codes: 0 done, 2 bad arguments (a one-line message on err).
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

// Runs the command named by the first argument.
int Run(const std::vector<std::string>& args, const Clock& clock, Terminal& terminal);

} // namespace rekko::cli
