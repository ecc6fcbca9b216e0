// SPDX-License-Identifier: GPL-3.0-or-later
// Day kinds and names for two centuries, and the holiday listing of rekkocal against gcal's.
#include "calendar/DayRules.h"
#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

const int32_t kFirst = rekko::EncodeJuliusDay(1948, 1, 1);
const int32_t kLast = rekko::EncodeJuliusDay(2150, 12, 31);

void BM_DayKindAndNames(benchmark::State& state) {
    rekko::DayRules rules;
    (void)rules.setHolidayList(rekko::BuiltinHolidayList());
    std::vector<std::string> specials;
    for (int i = 0; i < 200; ++i)
        specials.push_back(std::to_string(i % 12 + 1) + "," + std::to_string(i % 28 + 1) + ",記念日" +
                           std::to_string(i));
    (void)rules.setSpecialDayList(specials);
    for (auto _ : state) {
        for (int32_t jd = kFirst; jd <= kLast; ++jd) {
            const rekko::CalendarDate date = rekko::DecodeJuliusDay(jd);
            benchmark::DoNotOptimize(rules.DayKind(date.year, date.month, date.day));
            benchmark::DoNotOptimize(rules.DayNames(date.year, date.month, date.day));
        }
    }
    state.SetItemsProcessed(state.iterations() * (kLast - kFirst + 1));
}
BENCHMARK(BM_DayKindAndNames)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Runs a program with its output thrown away and waits for it.
void runQuietly(benchmark::State& state, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError(("cannot start " + args[0]).c_str());
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

void BM_RekkocalHolidays1948To2150(benchmark::State& state) {
    runQuietly(state, {REKKOCAL_PATH, "holidays", "1948", "2150", "--builtin"});
}
BENCHMARK(BM_RekkocalHolidays1948To2150)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_GcalHolidays1948To2150(benchmark::State& state) {
    runQuietly(state, {"/usr/bin/gcal", "-q", "JP", "-n", "-u", "1948+2150"});
}
BENCHMARK(BM_GcalHolidays1948To2150)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
