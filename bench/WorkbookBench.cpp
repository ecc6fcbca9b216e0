// SPDX-License-Identifier: GPL-3.0-or-later
// The month workbook: the template opened, a month with five lines on every day filled in and the workbook saved.
#include "TempDir.h"

#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "maintenance/MonthWorkbook.h"
#include "maintenance/OfficeWorkbook.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace rekko {
namespace {

std::vector<std::string> fullMonth(int32_t year, int month) {
    char header[32];
    std::snprintf(header, sizeof header, " 0,0,9,%4d/%2d", year, month);
    std::vector<std::string> lines = {header};
    for (int day = 1; day <= 31; ++day)
        for (int n = 1; n <= 5; ++n)
            lines.push_back(std::to_string(day) + "," + std::to_string(n) + ",,予定" + std::to_string(n) +
                            " 打ち合わせ,clRed,,,,,");
    return lines;
}

void BM_MonthWorkbook(benchmark::State& state) {
    ScheduleBook book;
    MonthGrid grid(EncodeJuliusDay(2001, 7, 10), book);
    MonthGridOptions options = grid.options();
    options.ItemGyo = kMaxItemGyo;
    grid.setOptions(options);
    grid.setCurrentTab(1);
    for (int slot = 0; slot < 3; ++slot) {
        book.setSlotMonth(slot, 2001, 6 + slot);
        book.loadSlot(slot, ParseTextBytes(TextLines().compose(fullMonth(2001, 6 + slot)).value()));
    }
    grid.layout();
    SetupSettings settings;
    ResetExcelOptions(settings);
    const test::TempDir folder;
    for (auto _ : state) {
        OfficeWorkbook workbook;
        if (!OpenMonthSheet(workbook, WORKBOOK_TEMPLATE, 2001, 7))
            state.SkipWithError("no template");
        benchmark::DoNotOptimize(FillMonthSheet(workbook, grid, settings, EncodeJuliusDay(2026, 12, 7)));
        if (!workbook.saveAs(folder / kMonthWorkbookName))
            state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_MonthWorkbook)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace rekko
