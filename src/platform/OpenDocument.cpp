// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document or web address through xdg-open.
#include "OpenDocument.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace rekko {

bool OpenDocument(const std::string& nameOrAddress) {
    // xdg-open may wait for the program it starts, so a shell starts it in the background and exits at once;
    // the background process then belongs to init and leaves no zombie. Status 127: xdg-open is missing.
    static const char* const script = "command -v xdg-open >/dev/null 2>&1 || exit 127; "
                                      "xdg-open \"$1\" >/dev/null 2>&1 </dev/null & exit 0";
    char* argv[] = {const_cast<char*>("sh"),
                    const_cast<char*>("-c"),
                    const_cast<char*>(script),
                    const_cast<char*>("sh"),
                    const_cast<char*>(nameOrAddress.c_str()),
                    nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace rekko
