// SPDX-License-Identifier: GPL-3.0-or-later
// Analogue clock figures: one repaint of the 150 x 150 clock of the timer window, and its geometry alone.
#include "FakeClock.h"

#include "controls/ClockGeometry.h"
#include "controls/ui/TClock.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace rekko {
namespace {

void BM_ClockRepaint(benchmark::State& state) {
    // Always 10:10:30.
    const test::FakeClock time((10 * 3600 + 10 * 60 + 30) / 86400.0);
    TClock clock(time);
    QImage image(clock.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        clock.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ClockRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_ClockGeometry(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutClockFace(150, 150, 10, true, {10, 10, 30}));
}
BENCHMARK(BM_ClockGeometry)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace rekko
