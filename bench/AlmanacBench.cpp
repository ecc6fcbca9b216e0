// SPDX-License-Identifier: GPL-3.0-or-later
// Almanac lookups for every day 1873-2100: the solar term alone, and everything the almanac notes of a day.
#include "calendar/AlmanacMarks.h"
#include "calendar/Julius.h"
#include "calendar/SolarTerms.h"

#include <benchmark/benchmark.h>

namespace {

const int32_t kFirstDay = rekko::EncodeJuliusDay(1873, 1, 1);
const int32_t kLastDay = rekko::EncodeJuliusDay(2100, 12, 31);

void BM_SolarTermOn(benchmark::State& state) {
    // Loading the table once happens outside the measured loop.
    rekko::solarTermTable();
    for (auto _ : state) {
        size_t sum = 0;
        for (int32_t jd = kFirstDay; jd <= kLastDay; ++jd)
            sum += rekko::solarTermOn(jd).size();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (kLastDay - kFirstDay + 1));
}
BENCHMARK(BM_SolarTermOn)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DayAlmanacOf(benchmark::State& state) {
    rekko::solarTermTable();
    rekko::oldMonthTable();
    for (auto _ : state) {
        unsigned sum = 0;
        for (int32_t jd = kFirstDay; jd <= kLastDay; ++jd) {
            const rekko::DayAlmanac almanac = rekko::dayAlmanacOf(jd);
            sum += static_cast<unsigned>(almanac.kanshi) + almanac.marks.fujojubi + almanac.seasonalDay.size();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (kLastDay - kFirstDay + 1));
}
BENCHMARK(BM_DayAlmanacOf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
