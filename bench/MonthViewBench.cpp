// SPDX-License-Identifier: GPL-3.0-or-later
// The month page with the sample data on the offscreen platform: month initialisation, a jump to a far month and
// back with the grid redrawn, save all, and the date rollover into a new month; each over the sample folder (arg 0)
// and the heavy user's folder (arg 1).
#include "FakeClock.h"
#include "HeavyData.h"
#include "SampleData.h"
#include "WindowParts.h"

#include "app/ui/MainWindow.h"
#include "files/UserFiles.h"

#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// The sample day at 09:00 until a benchmark moves it.
class SettableClock : public rekko::Clock {
public:
    rekko::LocalDateTime now() const override { return m_now; }
    void set(rekko::LocalDateTime now) { m_now = now; }

private:
    rekko::LocalDateTime m_now = rekko::JuliusDayToDateTime(rekko::bench::kSampleToday) + 0.375;
};

// A started main window over a data folder (arg 0: the sample, 1: the heavy folder), its program folder in a fresh
// temporary folder.
struct Program {
    explicit Program(const benchmark::State& state) {
        const fs::path data = state.range(0) == 0 ? rekko::bench::SampleDataFolder() : rekko::bench::HeavyDataFolder();
        std::string pattern = (fs::temp_directory_path() / "rekko-bench-program-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        std::ofstream(folder / rekko::kSettingsFileName, std::ios::binary)
            << "[Settei]\r\nedFolder=" << data.string() << "/\r\nCaFT1=CaFT6120.mcp\r\n";
        // The period-file copies go to the working folder, as they go to the program's folder when it runs.
        fs::current_path(folder);
        controller = std::make_unique<rekko::MainController>(folder, folder, clock, setter, dialogs, folder / "rescue");
        window = std::make_unique<rekko::MainWindow>(*controller, dialogs);
        window->start({}, folder);
        window->resize(800, 810);
    }
    ~Program() {
        window.reset();
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    fs::path folder;
    SettableClock clock;
    rekko::test::FakeClockSetter setter;
    rekko::test::SilentDialogs dialogs;
    std::unique_ptr<rekko::MainController> controller;
    std::unique_ptr<rekko::MainWindow> window;
};

void BM_MonthInitialisation(benchmark::State& state) {
    Program program(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(program.window->initialiseMonths());
}
BENCHMARK(BM_MonthInitialisation)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_JumpFarAndBack(benchmark::State& state) {
    Program program(state);
    rekko::MonthPage* page = rekko::test::PartsOf(*program.window).monthPage;
    for (auto _ : state) {
        page->buttons().nextYear->click();
        page->buttons().thisMonth->click();
    }
}
BENCHMARK(BM_JumpFarAndBack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SaveAll(benchmark::State& state) {
    Program program(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(program.window->saveAll());
}
BENCHMARK(BM_SaveAll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The function tick that finds a new month: save all, the one-second wait, and month initialisation of the five
// 500-line months around the new today. The wait is taken off the time; the clock goes back and forth over the end
// of December, so every tick changes the month.
void BM_RolloverIntoANewMonth(benchmark::State& state) {
    Program program(state);
    program.window->show();
    const rekko::LocalDateTime lastOfDecember = rekko::EncodeDateTime({2026, 12, 31}, {12, 0, 0, 0});
    const rekko::LocalDateTime firstOfJanuary = rekko::EncodeDateTime({2027, 1, 1}, {0, 0, 5, 0});
    bool forward = true;
    for (auto _ : state) {
        const rekko::LocalDateTime now = forward ? firstOfJanuary : lastOfDecember;
        program.clock.set(now);
        forward = !forward;
        const auto begin = std::chrono::steady_clock::now();
        rekko::test::PartsOf(*program.window).tick->tick().tick();
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - begin;
        state.SetIterationTime(spent.count() - 1.0);
        if (program.controller->today() != rekko::DateTimeToJuliusDay(now))
            state.SkipWithError("the date did not change");
    }
}
BENCHMARK(BM_RolloverIntoANewMonth)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6);

} // namespace
