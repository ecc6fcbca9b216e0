// SPDX-License-Identifier: GPL-3.0-or-later
// The month page with the sample data on the offscreen platform: month initialisation, a jump to a far month and
// back with the grid redrawn, and save all.
#include "SampleData.h"

#include "app/ui/MainWindow.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class FixedClock : public rekko::Clock {
public:
    rekko::LocalDateTime now() const override { return rekko::JuliusDayToDateTime(rekko::bench::kSampleToday) + 0.375; }
};

// A started main window over the sample data, its program folder in a fresh temporary folder.
struct Program {
    Program() {
        std::string pattern = (fs::temp_directory_path() / "rekko-bench-program-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        std::ofstream(folder / "Sorel.ini", std::ios::binary)
            << "[Settei]\r\nedFolder=" << rekko::bench::SampleDataFolder().string() << "/\r\nCaFT1=CaFT6120.mcp\r\n";
        controller = std::make_unique<rekko::MainController>(folder, folder, clock, dialogs, folder / "rescue");
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
    FixedClock clock;
    rekko::bench::SilentDialogs dialogs;
    std::unique_ptr<rekko::MainController> controller;
    std::unique_ptr<rekko::MainWindow> window;
};

void BM_MonthInitialisation(benchmark::State& state) {
    Program program;
    for (auto _ : state)
        benchmark::DoNotOptimize(program.window->sequence().initialiseMonths());
}
BENCHMARK(BM_MonthInitialisation)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_JumpFarAndBack(benchmark::State& state) {
    Program program;
    rekko::MonthPage* page = program.window->monthPage();
    for (auto _ : state) {
        page->buttons().nextYear->click();
        page->buttons().thisMonth->click();
    }
}
BENCHMARK(BM_JumpFarAndBack)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SaveAll(benchmark::State& state) {
    Program program;
    for (auto _ : state)
        benchmark::DoNotOptimize(program.window->sequence().saveAll());
}
BENCHMARK(BM_SaveAll)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
