// SPDX-License-Identifier: GPL-3.0-or-later
// Schedule dialog figures: one day of a 2 000-line month opened into the line editor and written back.
#include "schedule/ui/LineColourEditor.h"

#include "schedule/DayLines.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace rekko {
namespace {

// 2 000 lines spread over the 31 days (64 or 65 a day), coloured in turn, some with carried fields.
std::vector<std::string> monthLines() {
    static const char* const colours[] = {"", "clRed", "clBlue", "clTeal", "clMaroon"};
    std::vector<std::string> lines = {" 0,0,9,2026/ 5"};
    for (int i = 0; i < 2000; ++i) {
        char line[160];
        std::snprintf(line, sizeof line, "%2d,%d,,予定%d 打ち合わせ 1，000円,%s,%s,,,%s,", i % 31 + 1, i / 31 + 1, i,
                      colours[i % 5], i % 7 == 0 ? "1" : "", i % 11 == 0 ? "42" : "");
        lines.push_back(line);
    }
    return lines;
}

void OpenDayAndWriteBack(benchmark::State& state) {
    const std::vector<std::string> month = monthLines();
    LineColourEditor editor;
    editor.resize(400, 240);
    for (auto _ : state) {
        std::vector<std::string> lines = month;
        editor.setSchedule(LoadDay(lines, 12));
        if (state.range(0) == 1)
            benchmark::DoNotOptimize(editor.grab()); // the editor drawn once, as the dialog shows it
        WriteDay(lines, 12, editor.schedule());
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(OpenDayAndWriteBack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

} // namespace
} // namespace rekko
