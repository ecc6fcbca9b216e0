// SPDX-License-Identifier: GPL-3.0-or-later
// rekkocal entry: runs one command with the real clock and the terminal.
#include "Commands.h"

#include "platform/Clock.h"
#include "platform/ProgramLocation.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    rekko::SystemClock clock;
    rekko::cli::Terminal terminal{std::cout, std::cerr, ::isatty(STDOUT_FILENO) == 1};
    const rekko::XdgSpecialFolders folders;
    const rekko::cli::Environment environment{clock,
                                              rekko::LocateProgram(rekko::ExecutablePath(), folders).programFolder};
    return rekko::cli::Run(std::vector<std::string>(argv + 1, argv + argc), environment, terminal);
}
