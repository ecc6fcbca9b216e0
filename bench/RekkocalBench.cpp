// SPDX-License-Identifier: GPL-3.0-or-later
// rekkocal's month with its schedule lines and its iCalendar export over the sample folder (arg 0) and the heavy
// user's folder (arg 1).
#include "HeavyData.h"
#include "SampleData.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Times rekkocal with the arguments in a data folder, its output thrown away. It runs from a copy in the data folder,
// so that no settings file beside the built one names another folder.
void TimeRekkocal(benchmark::State& state, const fs::path& folder, std::vector<std::string> args) {
    const std::string program = (folder / "rekkocal").string();
    std::error_code error;
    fs::copy_file(REKKOCAL_PATH, program, fs::copy_options::overwrite_existing, error);
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start rekkocal");
            break;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    fs::remove(program, error);
}

fs::path Folder(const benchmark::State& state) {
    return state.range(0) == 0 ? rekko::bench::SampleDataFolder() : rekko::bench::HeavyDataFolder();
}

void BM_RekkocalMonthLines(benchmark::State& state) {
    TimeRekkocal(state, Folder(state), {"month", "2026", "12", "--lines"});
}
BENCHMARK(BM_RekkocalMonthLines)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The iCalendar export of the sample's December (arg 0) and of the heavy folder's 600 months with its 10 000 periods
// and 300 anniversaries (arg 1).
void BM_RekkocalIcs(benchmark::State& state) {
    if (state.range(0) == 0)
        TimeRekkocal(state, Folder(state), {"ics", "2026-12-01", "2026-12-31"});
    else
        TimeRekkocal(state, Folder(state), {"ics", "1977-01-01", "2026-12-31"});
}
BENCHMARK(BM_RekkocalIcs)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
