// Process start to first paint of the main window, against a bare Qt window, with the peak memory of both.
// Run under an X server (make bench uses xvfb-run).
#include <benchmark/benchmark.h>
#include <fstream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
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
    std::string path;
    std::vector<Run> runs;
    size_t reported = 0; // the next run to hand to a repetition
};

// A private program folder and runtime folder, so a running Rekko of the user is not woken and its settings stay.
fs::path scratchFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "rekko-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        fs::create_directory(fs::path(pattern) / "run");
        fs::permissions(fs::path(pattern) / "run", fs::perms::owner_all);
        fs::copy_file(REKKO_EXECUTABLE, fs::path(pattern) / "Rekko");
        // The program runs in this folder, its data folder: a period file there keeps the "new period file"
        // notice, a modal box, from holding up the first run.
        std::ofstream(fs::path(pattern) / "CaFromTo.myc", std::ios::binary) << "***** FromTo\x97\x5C\x92\xE8\r\n";
        return fs::path(pattern);
    }();
    return folder;
}

// Starts the program with its output on a pipe and times the way to the line "first-paint".
Run runOnce(const std::string& program) {
    int out[2];
    if (::pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string folder = scratchFolder().string();
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<std::string> variables{"REKKO_REPORT_FIRST_PAINT=1", "XDG_RUNTIME_DIR=" + folder + "/run"};
    for (char** variable = environ; *variable; ++variable) {
        if (std::string(*variable).rfind("XDG_RUNTIME_DIR=", 0) != 0)
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

Program g_rekko{scratchFolder().string() + "/Rekko", {}, 0};
Program g_bare{BARE_WINDOW_EXECUTABLE, {}, 0};
constexpr int kRuns = 10;

// Runs the two programs by turns, so that the load of a shared machine weighs on both alike; a first pair warms the
// file and font caches and is not counted.
bool collectRuns() {
    runOnce(g_rekko.path);
    runOnce(g_bare.path);
    for (int i = 0; i < kRuns; ++i) {
        for (Program* program : {&g_rekko, &g_bare}) {
            const Run run = runOnce(program->path);
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

BENCHMARK_CAPTURE(BM_StartToFirstPaint, Rekko, &g_rekko)
    ->Iterations(1)
    ->Repetitions(kRuns)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_StartToFirstPaint, BareQtWindow, &g_bare)
    ->Iterations(1)
    ->Repetitions(kRuns)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly(true);

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void summarise() {
    std::vector<double> rekko, bare;
    long rekkoPeak = 0, barePeak = 0;
    for (const Run& run : g_rekko.runs) {
        rekko.push_back(run.milliseconds);
        rekkoPeak = std::max(rekkoPeak, run.peakKilobytes);
    }
    for (const Run& run : g_bare.runs) {
        bare.push_back(run.milliseconds);
        barePeak = std::max(barePeak, run.peakKilobytes);
    }
    const double rekkoMedian = median(rekko);
    const double bareMedian = median(bare);
    std::printf(
        "\nStart to first paint, median of %zu runs taken by turns: Rekko %.1f ms, bare Qt window %.1f ms, ratio %.2f "
        "(goal <= 1.3)\n",
        rekko.size(), rekkoMedian, bareMedian, bareMedian > 0 ? rekkoMedian / bareMedian : 0.0);
    std::printf("Peak memory: Rekko %.1f MB, bare Qt window %.1f MB\n", rekkoPeak / 1024.0, barePeak / 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fputs("startup_bench needs a display; run it through xvfb-run (make bench does).\n", stderr);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (!collectRuns())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    summarise();
    std::error_code ignored;
    fs::remove_all(scratchFolder(), ignored);
    return 0;
}
