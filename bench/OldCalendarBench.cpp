// SPDX-License-Identifier: GPL-3.0-or-later
// Rokuyo lookups for every day 1873-2100: the shipped binary search against the line-by-line scan.
#include "calendar/Julius.h"
#include "calendar/OldCalendar.h"

#include <benchmark/benchmark.h>

namespace {

const int32_t kFirstDay = rekko::EncodeJuliusDay(1873, 1, 1);
const int32_t kLastDay = rekko::EncodeJuliusDay(2100, 12, 31);

void BM_JuliusDayToRokuyo(benchmark::State& state) {
    // Loading the table once happens outside the measured loop.
    rekko::oldMonthTable();
    for (auto _ : state) {
        unsigned sum = 0;
        for (int32_t jd = kFirstDay; jd <= kLastDay; ++jd)
            sum += rekko::JuliusDayToRokuyo(jd);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (kLastDay - kFirstDay + 1));
}
BENCHMARK(BM_JuliusDayToRokuyo)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RokuyoByLinearScan(benchmark::State& state) {
    const std::vector<rekko::TJDOldMonth>& table = rekko::oldMonthTable();
    for (auto _ : state) {
        unsigned sum = 0;
        for (int32_t jd = kFirstDay; jd <= kLastDay; ++jd)
            sum += rekko::rokuyoOf(rekko::findOldDateByScan(table, jd));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (kLastDay - kFirstDay + 1));
}
BENCHMARK(BM_RokuyoByLinearScan)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
