// SPDX-License-Identifier: GPL-3.0-or-later
// rekkocal's month with its schedule lines over the sample folder (arg 0) and the heavy user's folder (arg 1).
#include "HeavyData.h"
#include "SampleData.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// rekkocal runs from a copy in the data folder, so that no settings file beside the built one names another folder.
void BM_RekkocalMonthLines(benchmark::State& state) {
    const fs::path folder = state.range(0) == 0 ? rekko::bench::SampleDataFolder() : rekko::bench::HeavyDataFolder();
    const std::string program = (folder / "rekkocal").string();
    std::error_code error;
    fs::copy_file(REKKOCAL_PATH, program, fs::copy_options::overwrite_existing, error);
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("month"),
                    const_cast<char*>("2026"),          const_cast<char*>("12"),
                    const_cast<char*>("--lines"),       nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start rekkocal");
            break;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    fs::remove(program, error);
}
BENCHMARK(BM_RekkocalMonthLines)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
