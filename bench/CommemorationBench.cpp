// SPDX-License-Identifier: GPL-3.0-or-later
// The import of a ten-year commemoration set (120 set files) into 120 month files of thirty lines each.
#include "maintenance/CommemorationSets.h"

#include "base/TextFile.h"
#include "files/UserFiles.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace rekko::bench {
namespace {

namespace fs = std::filesystem;

fs::path FreshFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Writes the month files and the sets of 2020 to 2029: the sets hold twenty lines a month, one of them already in
// the month file.
void WriteFolders(const fs::path& sets, const fs::path& data) {
    for (int year = 2020; year < 2030; ++year)
        for (int month = 1; month <= 12; ++month) {
            std::vector<std::string> lines{" 0,0,9," + std::to_string(year) + "/" + std::to_string(month)};
            for (int day = 1; day <= 30; ++day)
                lines.push_back(std::to_string(day) + ",1,,予定" + std::to_string(day) + ",clBlack,1,0,,,");
            (void)WriteTextFile(data / MonthFileName(year, month), lines);
            std::vector<std::string> set;
            for (int day = 1; day <= 20; ++day)
                set.push_back(std::to_string(day) + ",5,0," + (day == 1 ? "予定1" : "記念日" + std::to_string(day)) +
                              ",clRed,1,0,,1000,");
            std::string name = MonthFileName(year, month);
            (void)WriteTextFile(sets / name.replace(name.size() - 3, 3, "cmr"), set);
        }
}

void BM_ImportTenYearSet(benchmark::State& state) {
    int counted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path sets = FreshFolder("rekko-cmr-bench-sets");
        const fs::path data = FreshFolder("rekko-cmr-bench-data");
        WriteFolders(sets, data);
        state.ResumeTiming();
        counted = ImportCommemorations(sets, data.string() + "/", {.insertBefore = true, .colour = "clTeal"}).counted;
    }
    state.counters["files"] = counted;
}
BENCHMARK(BM_ImportTenYearSet)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

} // namespace
} // namespace rekko::bench
