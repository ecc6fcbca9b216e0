// SPDX-License-Identifier: GPL-3.0-or-later
// One function tick with nothing due: the status clock, the alarm check, Jiglo's autostart entry looked up, the
// clock-correction schedule asked, the date compared, on the computer's clock.
#include "app/FunctionTick.h"
#include "clocksync/AutomaticCorrection.h"

#include "FakeClock.h"
#include "SampleData.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rekko;

// A visible main window on the month page whose month window is built around today, and a timer armed for later.
struct QuietShell : TickWindow, TickMonths, DialogState, TimerAlert, StatusBar, InstanceRegistry, RetrievalView {
    bool visible() const override { return true; }
    ShownPage shownPage() const override { return ShownPage::Month; }
    void setTickInterval(int) override {}
    void setAutoCorrectionEnabled(bool) override {}
    void showRetrieval(bool) override {}
    void quitWithoutSaving() override {}
    int32_t today() const override { return day; }
    void storeToday(int32_t newDay) override { day = newDay; }
    void showThisMonth() override {}
    void redraw() override {}
    void refreshYearView() override {}
    SaveReport saveAll() override { return {}; }
    Status reinitialise() override { return Success(); }
    bool scheduleDialogOpen() const override { return false; }
    void queueAlert() override {}
    void showPanel0(const std::string& text) override { panel0 = text; }
    void showPanel1(const StatusLine& line) override { panel1 = line.text; }
    void setHighlighted(bool) override {}
    bool exists(const std::string&) override { return false; }
    bool wake(const std::string&) override { return false; }

    int32_t day = 0;
    std::string panel0;
    std::string panel1;
};

void BM_TickWithNothingDue(benchmark::State& state) {
    SystemClock clock;
    QuietShell shell;
    shell.day = DateTimeToJuliusDay(clock.now());
    // Twelve hours away: never due while the benchmark runs.
    CountdownTimer timer;
    timer.arm(MillisecondOfDay(clock.now() + 0.5));
    test::SilentDialogs dialogs;
    Settings settings;
    settings.cbTShuusei = true;
    settings.pTDay = shell.day; // corrected today already
    SingleWorker worker(std::make_shared<PostedTasks>());
    test::FakeClockSetter setter;
    const auto folder = std::filesystem::temp_directory_path();
    AutomaticCorrection correction({worker, clock, setter, shell, {}}, settings, folder / "Sorel.ini",
                                   folder / "Jikoku.txt");
    StatusPanels status(shell, clock, settings, std::filesystem::temp_directory_path(), "/opt/rekko");
    FunctionTick tick({clock, dialogs, shell, shell, shell, shell, timer, shell, correction, status}, settings);
    tick.start();
    for (auto _ : state) {
        tick.tick();
        benchmark::DoNotOptimize(shell.panel0.data());
    }
    if (shell.day != DateTimeToJuliusDay(clock.now()))
        state.SkipWithError("the date changed during the run");
}
BENCHMARK(BM_TickWithNothingDue)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
