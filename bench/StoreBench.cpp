// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the month window's data, and save all (months, periods, memo, settings file) with nothing edited, after one
// edited day, and after one edited day with the same month changed on disk meanwhile, over the sample folder (five
// 500-line months, 1 000 periods) and the heavy folder (fifty years).
#include "app/Settings.h"
#include "base/ProfileFile.h"
#include "base/TextFile.h"
#include "controls/MonthGrid.h"
#include "files/UserFiles.h"
#include "memo/MemoStore.h"
#include "month/MonthStore.h"
#include "month/PeriodStore.h"

#include "HeavyData.h"
#include "SampleData.h"

#include <benchmark/benchmark.h>

namespace {

namespace fs = std::filesystem;

// Arg 0: the sample folder; 1: the heavy folder.
fs::path folderOf(const benchmark::State& state) {
    return state.range(0) == 0 ? rekko::bench::SampleDataFolder() : rekko::bench::HeavyDataFolder();
}

struct LoadedWindow {
    explicit LoadedWindow(fs::path dataFolder) : folder(std::move(dataFolder)) {}

    fs::path folder;
    rekko::test::SilentDialogs dialogs;
    std::array<std::string, 3> copies{"CaFT6120.mcp", "", ""}; // today's copy exists: no rotation
    rekko::ScheduleBook book;
    rekko::MonthGrid grid{rekko::bench::kSampleToday, book}; // indexes each month as the month page does
    rekko::MonthStore months{dialogs, book};
    rekko::PeriodStore periods{dialogs, copies, book};
    rekko::MemoStore memo{dialogs};
    std::string memoText;
    rekko::SettingsKeys settings = rekko::MakeSettingsTable();

    void load() {
        months.setDataFolder(folder);
        months.buildWindow(rekko::bench::kSampleToday);
        for (int slot = 0; slot < 5; ++slot)
            (void)months.loadSlot(slot);
        periods.load(folder, 2026, 12, 6);
        memoText = memo.load(folder / rekko::kMemoFileName).value().text;
    }

    // Saves as save all does: the settings file read, updated and written, then the months, periods and memo (the
    // memo counted as modified, so its lines are compared).
    void saveAll() {
        auto file = rekko::ProfileFile::Load(folder / rekko::kSettingsFileName);
        (void)rekko::WriteSettings(file.value(), settings);
        (void)file.value().save(folder / rekko::kSettingsFileName);
        for (int slot = 0; slot < 5; ++slot)
            (void)months.saveSlot(slot);
        (void)periods.save();
        (void)memo.save(memoText, true);
    }
};

void BM_LoadMonthWindow(benchmark::State& state) {
    for (auto _ : state) {
        LoadedWindow window(folderOf(state));
        window.load();
        benchmark::DoNotOptimize(window.months.lines(4).size());
    }
}
BENCHMARK(BM_LoadMonthWindow)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Goal: 2 ms wall, nothing written.
void BM_SaveAllUnedited(benchmark::State& state) {
    LoadedWindow window(folderOf(state));
    window.load();
    window.saveAll(); // the settings file as an earlier run left it
    for (auto _ : state)
        window.saveAll();
}
BENCHMARK(BM_SaveAllUnedited)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Goal: 20 ms wall, one month file written with its flush.
void BM_SaveAllAfterOneDayEdited(benchmark::State& state) {
    LoadedWindow window(folderOf(state));
    window.load();
    window.saveAll();
    int edit = 0;
    for (auto _ : state) {
        window.months.replaceDay(2, 6, rekko::DaySchedule{{"打合せ " + std::to_string(++edit)}, {{}}});
        window.saveAll();
    }
}
BENCHMARK(BM_SaveAllAfterOneDayEdited)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Arg 1: 1 when another writer changed day 9 of the edited month on disk before each save (a merge), 0 when not.
// Goal: the merge costs at most twice the save without it.
void BM_SaveAllAfterOneDayEditedWithTheDiskChanged(benchmark::State& state) {
    LoadedWindow window(folderOf(state));
    window.load();
    window.saveAll();
    const fs::path file = window.folder / window.months.window().slot(1).fileName;
    int edit = 0;
    for (auto _ : state) {
        ++edit;
        if (state.range(1) == 1) {
            state.PauseTiming();
            std::vector<std::string> disk = rekko::ReadTextFile(file).value().lines();
            rekko::WriteDay(disk, 9, rekko::DaySchedule{{"他の変更 " + std::to_string(edit)}, {{}}});
            (void)rekko::WriteTextFile(file, disk);
            state.ResumeTiming();
        }
        window.months.replaceDay(1, 6, rekko::DaySchedule{{"打合せ " + std::to_string(edit)}, {{}}});
        window.saveAll();
    }
}
BENCHMARK(BM_SaveAllAfterOneDayEditedWithTheDiskChanged)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
