// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a program detached: fork, posix_spawn in the child, the child ends and is reaped at once.
#include "ProgramStarter.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace rekko {

namespace {

// What the grandchild starts with: no blocked or ignored signals, a session of its own, no files but 0, 1 and 2.
class SpawnSettings {
public:
    SpawnSettings() {
        ::posix_spawnattr_init(&attributes);
        ::posix_spawn_file_actions_init(&actions);
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        ::posix_spawnattr_setsigmask(&attributes, &none);
        ::posix_spawnattr_setsigdefault(&attributes, &all);
        ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
        ::posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    }
    ~SpawnSettings() {
        ::posix_spawn_file_actions_destroy(&actions);
        ::posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

} // namespace

Status DetachedProgramStarter::start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                     const std::filesystem::path& workingFolder) {
    // Everything the child needs is made before the fork; the child only spawns and ends with posix_spawn's error.
    const std::string path = program.string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    SpawnSettings settings;
    if (!workingFolder.empty())
        ::posix_spawn_file_actions_addchdir_np(&settings.actions, workingFolder.c_str());

    const pid_t child = ::fork();
    if (child < 0)
        return Failure{.cause = std::strerror(errno), .path = path};
    if (child == 0) {
        pid_t grandchild = 0;
        ::_exit(
            ::posix_spawn(&grandchild, path.c_str(), &settings.actions, &settings.attributes, argv.data(), environ));
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return Failure{.cause = std::strerror(errno), .path = path};
    }
    const int error = WIFEXITED(status) ? WEXITSTATUS(status) : ECHILD;
    if (error != 0)
        return Failure{.cause = std::strerror(error), .path = path};
    return Success();
}

} // namespace rekko
