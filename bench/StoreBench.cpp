// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the month window's data: five 500-line months and a 1 000-line period file.
#include "month/MonthNavigator.h"
#include "month/MonthStore.h"
#include "month/PeriodStore.h"

#include "base/TextFile.h"
#include "calendar/Julius.h"

#include "SampleData.h"

#include <benchmark/benchmark.h>

namespace {

struct LoadedWindow {
    rekko::bench::SilentDialogs dialogs;
    std::array<std::string, 3> copies{"CaFT6120.mcp", "", ""}; // today's copy exists: no rotation
    rekko::MonthGrid grid{rekko::bench::kSampleToday};
    rekko::MonthStore months{dialogs, grid};
    rekko::PeriodStore periods{dialogs, copies, grid};

    void load() {
        months.setDataFolder(rekko::bench::SampleDataFolder());
        months.buildWindow(rekko::bench::kSampleToday);
        for (int slot = 0; slot < 5; ++slot)
            (void)months.loadSlot(slot);
        periods.load(rekko::bench::SampleDataFolder(), 2026, 12, 6);
    }
};

void BM_LoadMonthWindow(benchmark::State& state) {
    for (auto _ : state) {
        LoadedWindow window;
        window.load();
        benchmark::DoNotOptimize(window.months.lines(4).size());
    }
}
BENCHMARK(BM_LoadMonthWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SaveMonthWindow(benchmark::State& state) {
    LoadedWindow window;
    window.load();
    for (auto _ : state) {
        for (int slot = 0; slot < 5; ++slot)
            benchmark::DoNotOptimize(window.months.saveSlot(slot));
        benchmark::DoNotOptimize(window.periods.save());
    }
}
BENCHMARK(BM_SaveMonthWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
