// SPDX-License-Identifier: GPL-3.0-or-later
// The self-pipe of the shutdown signals.
#include "ShutdownSignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace rekko {

namespace {

// A signal handler can reach nothing but globals; this is the write end of the one pipe of the process.
volatile sig_atomic_t g_writeEnd = -1;
int g_readEnd = -1;

void onSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    if (g_writeEnd >= 0) [[maybe_unused]]
        const ssize_t ignored = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

int InstallShutdownSignals() {
    if (g_readEnd >= 0)
        return g_readEnd;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    g_writeEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        if (::sigaction(number, &action, nullptr) != 0)
            return -1;
    }
    g_readEnd = ends[0];
    return g_readEnd;
}

int DrainShutdownSignals(int fd) {
    int count = 0;
    char buffer[64];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            count += static_cast<int>(got);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        return count;
    }
}

} // namespace rekko
