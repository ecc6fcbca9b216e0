// SPDX-License-Identifier: GPL-3.0-or-later
// The backup of the heavy data folder (600 month files) with the program's own copy, against cp -r followed by
// sync of the same folder in the same run.
#include "HeavyData.h"

#include "maintenance/BackupFiles.h"
#include "maintenance/CopyRun.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace rekko::bench {
namespace {

namespace fs = std::filesystem;

struct GoOn : CopyWatch {
    bool progress(size_t, size_t, const std::string&) override { return true; }
    OverwriteAnswer askOverwrite(const std::string&) override { return OverwriteAnswer::Overwrite; }
    void finished() override {}
};

fs::path FreshTarget() {
    const fs::path target = fs::temp_directory_path() / "rekko-backup-bench";
    fs::remove_all(target);
    fs::create_directories(target);
    return target;
}

void BM_BackupOfHeavyFolder(benchmark::State& state) {
    const fs::path data = HeavyDataFolder();
    size_t copied = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path target = FreshTarget();
        state.ResumeTiming();
        GoOn watch;
        copied = CopyFiles(BackupSet({data, data, data}), target, watch).copied.size();
    }
    state.counters["files"] = static_cast<double>(copied);
}
BENCHMARK(BM_BackupOfHeavyFolder)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

void BM_CpRecursiveThenSync(benchmark::State& state) {
    const fs::path data = HeavyDataFolder();
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path target = FreshTarget();
        const std::string command = "cp -r '" + data.string() + "/.' '" + target.string() + "' && sync";
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("cp -r failed");
    }
}
BENCHMARK(BM_CpRecursiveThenSync)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

} // namespace
} // namespace rekko::bench
