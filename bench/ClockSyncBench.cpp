// SPDX-License-Identifier: GPL-3.0-or-later
// Clock-correction accuracy: the error of the difference one correction run computes against loopback servers whose
// clocks differ from this machine's by a known amount, over SNTP and over an HTTP page of whole seconds. The clock
// is never set.
#include "LoopbackHttpServer.h"
#include "LoopbackSntpResponder.h"

#include "calendar/Julius.h"
#include "clocksync/CorrectionRun.h"
#include "clocksync/TimeSources.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

namespace rekko {
namespace {

class MeasureOnly : public ClockSetter {
public:
    bool set(LocalDateTime, bool) override { return true; }
};

// Runs corrections against the source and reports the error of the difference (seconds) from the expected one.
void MeasureCorrections(benchmark::State& state, const std::string& address, const JikokuSettings& settings,
                        double expectedSeconds) {
    const SystemClock clock;
    MeasureOnly setter;
    double sum = 0, worst = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        auto source = MakeTimeSource(address, clock);
        RunPorts ports{clock, *source, setter};
        const RunOutcome outcome = RunCorrection(RunMode::Automatic, settings, ports);
        if (!outcome.difference) {
            state.SkipWithError(outcome.failure.c_str());
            return;
        }
        const double error = std::fabs(static_cast<double>(*outcome.difference) / 10'000 - expectedSeconds);
        sum += error;
        worst = std::max(worst, error);
        ++runs;
        // Spread the runs over the fractions of a second.
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::milliseconds(37));
        state.ResumeTiming();
    }
    state.counters["mean_error_ms"] = runs > 0 ? sum / static_cast<double>(runs) * 1000 : 0;
    state.counters["max_error_ms"] = worst * 1000;
}

void BM_SntpCorrectionAccuracy(benchmark::State& state) {
    test::LoopbackSntpResponder responder;
    responder.setOffset(2.5); // the responder is 2.5 s ahead: this clock is 2.5 s behind
    JikokuSettings settings;
    settings.udGosa = 180;
    MeasureCorrections(state, responder.address(), settings, -2.5);
}
BENCHMARK(BM_SntpCorrectionAccuracy)->Unit(benchmark::kMillisecond)->Iterations(50);

// The page shows this machine's Japan time in whole seconds; the fine adjustment (ms) is the range argument.
void BM_HttpCorrectionAccuracy(benchmark::State& state) {
    test::LoopbackHttpServer server;
    server.answer([](test::LoopbackConnection& connection) {
        static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        const LocalDateTime japan = SystemClock().utcNow() + 9 / 24.0;
        const CalendarDate date = DateOf(std::floor(japan * 86400) / 86400);
        const TimeOfDay time = TimeOf(std::floor(japan * 86400) / 86400);
        char text[96];
        std::snprintf(text, sizeof text, "Mon %s %d %02d:%02d:%02d %d", months[date.month - 1], date.day, time.hour,
                      time.minute, time.second, date.year);
        connection.send(test::TimePageAnswer(text));
    });
    JikokuSettings settings;
    settings.udGosa = 180;
    settings.udChousei = static_cast<int>(state.range(0));
    MeasureCorrections(state, server.address(), settings, 0);
}
BENCHMARK(BM_HttpCorrectionAccuracy)->Arg(0)->Arg(500)->Arg(700)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
} // namespace rekko
