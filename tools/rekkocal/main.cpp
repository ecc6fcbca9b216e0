// rekkocal entry: runs one command with the real clock and the terminal.
#include "Commands.h"

#include "platform/Clock.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    rekko::SystemClock clock;
    rekko::cli::Terminal terminal{std::cout, std::cerr, ::isatty(STDOUT_FILENO) == 1};
    return rekko::cli::Run(std::vector<std::string>(argv + 1, argv + argc), clock, terminal);
}
