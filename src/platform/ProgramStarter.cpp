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

// Runs in the forked child: spawns the program and answers posix_spawn's error number (0 when it started).
int SpawnGrandchild(const char* path, char* const argv[]) {
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
    if (::posix_spawnattr_init(&attributes) != 0 || ::posix_spawn_file_actions_init(&actions) != 0)
        return ENOMEM;
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &all);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    ::posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t grandchild = 0;
    return ::posix_spawn(&grandchild, path, &actions, &attributes, argv, environ);
}

} // namespace

Status DetachedProgramStarter::start(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    // Everything the child needs is built before the fork.
    const std::string path = program.string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0)
        return Failure{.cause = std::strerror(errno), .path = path};
    if (child == 0)
        ::_exit(SpawnGrandchild(path.c_str(), argv.data()));
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
