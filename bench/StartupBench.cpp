// SPDX-License-Identifier: GPL-3.0-or-later
// Process start to first paint of the main window, against a bare Qt window and a window that paints one line of
// Japanese text in the month grid's font, with the peak memory of all three; and Rekko once more over the heavy user's
// data folder (fifty years of months). Run under an X server (make bench gives it one of its own).
#include "HeavyData.h"

#include "files/UserFiles.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Run {
    double milliseconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
};

struct Program {
    const char* name;
    std::string path;
    std::string folder; // the working folder: Rekko's program and data folder
    std::vector<Run> runs;
    size_t reported = 0; // the next run to hand to a repetition
};

// A private program folder and runtime folder, so a running Rekko of the user is not woken and its settings stay.
fs::path makeScratchFolder() {
    {
        std::string pattern = (fs::temp_directory_path() / "rekko-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        fs::create_directory(fs::path(pattern) / "run");
        fs::permissions(fs::path(pattern) / "run", fs::perms::owner_all);
        fs::copy_file(REKKO_EXECUTABLE, fs::path(pattern) / "Rekko");
        // The program runs in this folder, its data folder: a period file and a memo file there keep the notices
        // of new files, modal boxes, from holding up the first run.
        std::ofstream(fs::path(pattern) / rekko::kPeriodFileName, std::ios::binary)
            << "***** FromTo\x97\x5C\x92\xE8\r\n";
        std::ofstream(fs::path(pattern) / rekko::kMemoFileName, std::ios::binary);
        return fs::path(pattern);
    }
}

fs::path scratchFolder() {
    static const fs::path folder = makeScratchFolder();
    return folder;
}

// A second private folder that holds the heavy data; Rekko runs from it as from the first.
fs::path heavyFolder() {
    static const fs::path folder = [] {
        const fs::path made = makeScratchFolder();
        if (!rekko::bench::WriteHeavyDataFolder(made))
            std::abort();
        return made;
    }();
    return folder;
}

// Starts the program with its output on a pipe and times the way to the line "first-paint".
Run runOnce(const std::string& program, const std::string& folder) {
    int out[2];
    if (::pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    // Every program starts as for a Japanese user, so Rekko loads the Japanese catalogue of Qt's dialogs.
    std::vector<std::string> variables{"REKKO_REPORT_FIRST_PAINT=1", "XDG_RUNTIME_DIR=" + folder + "/run",
                                       "LANG=ja_JP.UTF-8"};
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view text(*variable);
        const bool replaced = text.starts_with("XDG_RUNTIME_DIR=") || text.starts_with("LANG=") ||
                              text.starts_with("LC_ALL=") || text.starts_with("LC_MESSAGES=") ||
                              text.starts_with("LANGUAGE=");
        if (!replaced)
            variables.emplace_back(*variable);
    }
    std::vector<char*> environment;
    for (auto& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    Run run;
    if (spawned == 0) {
        std::string seen;
        char buffer[256];
        ssize_t got = 0;
        while (seen.find("first-paint\n") == std::string::npos && (got = ::read(out[0], buffer, sizeof buffer)) > 0)
            seen.append(buffer, static_cast<size_t>(got));
        run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        run.ok = seen.find("first-paint\n") != std::string::npos;
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        run.peakKilobytes = usage.ru_maxrss;
        run.ok = run.ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    ::close(out[0]);
    return run;
}

Program g_rekko{"Rekko", scratchFolder().string() + "/Rekko", scratchFolder().string(), {}, 0};
Program g_heavy{"RekkoHeavyData", heavyFolder().string() + "/Rekko", heavyFolder().string(), {}, 0};
Program g_japanese{"JapaneseTextWindow", JAPANESE_TEXT_WINDOW_EXECUTABLE, scratchFolder().string(), {}, 0};
Program g_bare{"BareQtWindow", BARE_WINDOW_EXECUTABLE, scratchFolder().string(), {}, 0};
Program* const g_programs[] = {&g_rekko, &g_heavy, &g_japanese, &g_bare};
constexpr int kRuns = 20;

// Runs the programs by turns, so that the load of a shared machine weighs on all alike; a first round warms the file
// and font caches and is not counted.
bool collectRuns() {
    for (Program* program : g_programs)
        runOnce(program->path, program->folder);
    for (int i = 0; i < kRuns; ++i) {
        for (Program* program : g_programs) {
            const Run run = runOnce(program->path, program->folder);
            if (!run.ok) {
                std::fprintf(stderr, "%s did not report its first paint\n", program->path.c_str());
                return false;
            }
            program->runs.push_back(run);
        }
    }
    return true;
}

void BM_StartToFirstPaint(benchmark::State& state, Program* program) {
    for (auto _ : state) {
        const Run& run = program->runs[program->reported++ % program->runs.size()];
        state.SetIterationTime(run.milliseconds / 1000.0);
        state.counters["peak_MB"] = static_cast<double>(run.peakKilobytes) / 1024.0;
    }
}

void registerBenchmarks() {
    for (Program* program : g_programs)
        benchmark::RegisterBenchmark((std::string("BM_StartToFirstPaint/") + program->name).c_str(),
                                     BM_StartToFirstPaint, program)
            ->Iterations(1)
            ->Repetitions(kRuns)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->ReportAggregatesOnly(true);
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double medianMilliseconds(const Program& program) {
    std::vector<double> values;
    for (const Run& run : program.runs)
        values.push_back(run.milliseconds);
    return median(values);
}

double peakMegabytes(const Program& program) {
    long peak = 0;
    for (const Run& run : program.runs)
        peak = std::max(peak, run.peakKilobytes);
    return static_cast<double>(peak) / 1024.0;
}

// The one-minute load average, or -1 where the system does not tell it.
double loadAverage() {
    double load = -1;
    return ::getloadavg(&load, 1) == 1 ? load : -1;
}

void summarise(double loadBefore, double loadAfter) {
    const double rekko = medianMilliseconds(g_rekko);
    const double japanese = medianMilliseconds(g_japanese);
    const double bare = medianMilliseconds(g_bare);
    std::printf("\nStart to first paint, median of %d runs taken by turns (load average %.2f before, %.2f after):\n",
                kRuns, loadBefore, loadAfter);
    for (const Program* program : g_programs)
        std::printf("  %-20s %7.1f ms, peak memory %5.1f MB\n", program->name, medianMilliseconds(*program),
                    peakMegabytes(*program));
    std::printf("Heavy data: %.2f x the time (goal <= 2), %+.1f MB peak memory (goal <= 10)\n",
                rekko > 0 ? medianMilliseconds(g_heavy) / rekko : 0.0, peakMegabytes(g_heavy) - peakMegabytes(g_rekko));
    std::printf("Ratio Rekko / JapaneseTextWindow %.2f (goal <= 1.3), Rekko / BareQtWindow %.2f (goal <= 1.6)\n",
                japanese > 0 ? rekko / japanese : 0.0, bare > 0 ? rekko / bare : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fputs("startup_bench needs a display; run it on an X server (make bench does).\n", stderr);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    const double loadBefore = loadAverage();
    if (!collectRuns())
        return 1;
    const double loadAfter = loadAverage();
    registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    summarise(loadBefore, loadAfter);
    std::error_code ignored;
    fs::remove_all(scratchFolder(), ignored);
    fs::remove_all(heavyFolder(), ignored);
    return 0;
}
