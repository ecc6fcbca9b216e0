// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGHUP and SIGINT turned into bytes on a pipe, so the event loop can run an orderly shutdown.
#pragma once

namespace rekko {

// Installs the handlers (once per process) and returns the read end of the pipe, which becomes readable when a
// signal arrives; -1 when the pipe or a handler cannot be set up. The handlers never end the process themselves, so
// a second signal cannot cut a running save short.
int InstallShutdownSignals();

// Reads away the bytes waiting on the pipe and returns how many signals they stand for.
int DrainShutdownSignals(int fd);

} // namespace rekko
