// SPDX-License-Identifier: GPL-3.0-or-later
// Running a program with its standard output on a pipe, read until it ends or the time is up.
#include "ProgramOutput.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace rekko {

std::optional<std::string> ProgramOutput(const char* program, std::initializer_list<const char*> arguments,
                                         std::chrono::milliseconds limit) {
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const char* argument : arguments)
        argv.push_back(const_cast<char*>(argument));
    argv.push_back(nullptr);
    pid_t child = 0;
    const bool started = ::posix_spawnp(&child, program, &actions, nullptr, argv.data(), environ) == 0;
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    std::string text;
    const auto end = std::chrono::steady_clock::now() + limit;
    bool finished = false;
    while (started) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        pollfd entry{output[0], POLLIN, 0};
        if (left.count() <= 0 || ::poll(&entry, 1, static_cast<int>(left.count())) <= 0)
            break;
        char buffer[256];
        const ssize_t got = ::read(output[0], buffer, sizeof buffer);
        if (got <= 0) {
            finished = got == 0;
            break;
        }
        text.append(buffer, static_cast<size_t>(got));
    }
    ::close(output[0]);
    if (!started)
        return std::nullopt;
    if (!finished)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!finished || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
}

} // namespace rekko
