// Loading and saving the month window's data: five 500-line months and a 1 000-line period file.
#include "app/MonthNavigator.h"
#include "app/MonthStore.h"
#include "app/PeriodStore.h"

#include "calendar/Julius.h"
#include "calendar/TextFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Answers every box with its default button; the benchmarks show none.
class SilentDialogs : public rekko::Dialogs {
public:
    rekko::DialogAnswer show(const rekko::DialogMessage& message) override { return message.defaultAnswer; }
};

const int32_t kToday = rekko::EncodeJuliusDay(2026, 12, 6);

// A data folder with the window's five months of 500 lines each and a period file of 1 000 records.
fs::path sampleDataFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "rekko-bench-XXXXXX").string();
        const fs::path dir = ::mkdtemp(pattern.data());
        rekko::MonthWindow window;
        window.build(kToday);
        for (int slot = 0; slot < 5; ++slot) {
            const auto& month = window.slot(slot);
            rekko::TextLines text{{rekko::MonthFileHeader(month.year, month.month)}};
            for (int i = 0; i < 499; ++i)
                text.lines.push_back(std::to_string(i % 28 + 1) + "," + std::to_string(i / 28 + 1) +
                                     ",,打合せ 10:00 第" + std::to_string(i) + "会議室,clRed,,,,,");
            (void)rekko::WriteTextFile(dir / month.fileName, text);
        }
        rekko::TextLines periods{{rekko::kPeriodFileHeader}};
        for (int i = 0; i < 1000; ++i)
            periods.lines.push_back("2026,12, 1,M,2026,12, 9,E,2026,12, 5,2,clBlue,研修" + std::to_string(i));
        (void)rekko::WriteTextFile(dir / rekko::kPeriodFileName, periods);
        return dir;
    }();
    return folder;
}

struct LoadedWindow {
    SilentDialogs dialogs;
    std::array<std::string, 3> copies{"CaFT6120.mcp", "", ""}; // today's copy exists: no rotation
    rekko::MonthGrid grid{kToday};
    rekko::MonthStore months{dialogs, grid};
    rekko::PeriodStore periods{dialogs, copies, grid};

    void load() {
        months.setDataFolder(sampleDataFolder());
        months.buildWindow(kToday);
        for (int slot = 0; slot < 5; ++slot)
            (void)months.loadSlot(slot);
        periods.load(sampleDataFolder(), 2026, 12, 6);
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
