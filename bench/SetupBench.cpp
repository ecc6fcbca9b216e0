// SPDX-License-Identifier: GPL-3.0-or-later
// A full new setup with the data of the heavy folder (600 month files): the program's files, the data and the four
// shortcuts into a fresh folder, up to the hand-over.
#include "HeavyData.h"

#include "maintenance/SetupRun.h"

#include "../tests/maintenance/MaintenanceDoubles.h"
#include "FoldersUnder.h"
#include "RecordingStarter.h"
#include "ScriptedDialogs.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace rekko::bench {
namespace {

namespace fs = std::filesystem;

void BM_NewSetupWithHeavyData(benchmark::State& state) {
    const fs::path root = fs::temp_directory_path() / "rekko-setup-bench";
    fs::remove_all(root);
    fs::create_directories(root / "app");
    for (const char* name : {"Rekko", "Hday.dat", "ReadMe.txt", "CaSima.dat"})
        std::ofstream(root / "app" / name) << std::string(200'000, 'x');
    // The heavy folder as the data folder.
    test::CountingShell shell;
    shell.program = root / "app";
    shell.data = (HeavyDataFolder() / "").string();
    const test::FoldersUnder folders(root / "home");
    DesktopEntryShortcuts shortcuts(folders);
    test::RecordingStarter starter;
    size_t files = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(root / "home");
        test::ScriptedDialogs dialogs;
        dialogs.expect(DialogAnswer::Yes);
        dialogs.expect(DialogAnswer::Ok);
        dialogs.expect(DialogAnswer::Ok);
        SetupRun run({shell, dialogs, shortcuts, starter, root / "app" / "Rekko", [](std::chrono::milliseconds) {}});
        state.ResumeTiming();
        run.run({.location = root / "home" / "Vell" / "Rekko",
                 .mode = SetupMode::Options,
                 .cbDataC = true,
                 .cbDeskTop = true,
                 .cbProgram = true});
        state.PauseTiming();
        files = static_cast<size_t>(std::distance(fs::directory_iterator(root / "home" / "Vell" / "Rekko"), {}));
        state.ResumeTiming();
    }
    state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_NewSetupWithHeavyData)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

} // namespace
} // namespace rekko::bench
