// SPDX-License-Identifier: GPL-3.0-or-later
// Month grid figures: a full redraw of a populated month into the off-screen image, the layout and the lane table.
#include "controls/ui/TSeMCal.h"

#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace rekko {
namespace {

// Five coloured lines on every day of a month, as a month file holds them.
std::vector<std::string> monthLines(int32_t year, int month) {
    static const char* const colours[] = {"", "clRed", "clBlue", "clTeal", "clMaroon"};
    char header[32];
    std::snprintf(header, sizeof header, " 0,0,9,%4d/%2d", year, month);
    std::vector<std::string> lines = {header};
    for (int day = 1; day <= 31; ++day)
        for (int n = 0; n < 5; ++n)
            lines.push_back(std::to_string(day) + "," + std::to_string(n + 1) + ",,予定" + std::to_string(n + 1) +
                            " 打ち合わせ," + colours[n] + ",,,,,");
    return lines;
}

// Ten periods across June, July and August 2001, overlapping by twos and threes.
std::vector<std::string> periodLines() {
    std::vector<std::string> lines = {"***** FromTo予定"};
    for (int p = 0; p < 10; ++p) {
        const int start = 1 + p * 3;
        const int month = start > 28 ? 8 : 7;
        const int day = start > 28 ? start - 28 : start;
        char line[128];
        std::snprintf(line, sizeof line, "2001,%2d,%2d,A,2001,%2d,%2d,M,2001,%2d,%2d,2,clNavy,期間%d", month, day,
                      month, day + 4 > 31 ? 31 : day + 4, month, day + 1, p);
        lines.push_back(line);
    }
    return lines;
}

// July 2001 in an 840 x 600 client with the main window's settings, all 42 cells filled.
struct PopulatedGrid {
    ScheduleBook book;
    TSeMCal grid{EncodeJuliusDay(2001, 7, 10), book};
    PopulatedGrid() {
        QStringList holidays;
        for (const auto& line : BuiltinHolidayList())
            holidays << QString::fromStdString(line);
        grid.setHolidayList(holidays);
        grid.setSpecialDayList({"7,7,七夕", "7,20,記念日"});
        grid.resize(844, 604);
        grid.setIsFontBold(true);
        grid.setItemGyo(5);
        grid.setSelfSize(true);
        grid.setShowRokuyo(true);
        for (int slot = 0; slot < 3; ++slot) {
            book.setSlotMonth(slot, 2001, 6 + slot);
            book.loadSlot(slot, ParseTextBytes(TextLines().compose(monthLines(2001, 6 + slot)).value()));
        }
        book.loadPeriods(ParseTextBytes(TextLines().compose(periodLines()).value()));
        grid.setCurrentTab(1);
        grid.show();
    }
};

void BM_GridFullRedraw(benchmark::State& state) {
    PopulatedGrid populated;
    for (auto _ : state) {
        populated.grid.Redraw();
        benchmark::DoNotOptimize(populated.grid.image().constBits());
    }
}
BENCHMARK(BM_GridFullRedraw)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_GridLayout(benchmark::State& state) {
    PopulatedGrid populated;
    for (auto _ : state)
        populated.grid.grid().layout();
}
BENCHMARK(BM_GridLayout)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_GridLaneTable(benchmark::State& state) {
    PopulatedGrid populated;
    for (auto _ : state)
        populated.grid.grid().buildLaneTable();
}
BENCHMARK(BM_GridLaneTable)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace rekko
