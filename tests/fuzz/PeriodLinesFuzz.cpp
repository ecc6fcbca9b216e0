// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: period records read for the dialog and for drawing, and written back.
#include "FuzzCheck.h"

#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "controls/ScheduleLines.h"
#include "schedule/PeriodRecord.h"

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TextLines file = ParseTextBytes(fuzz::BytesOf(data, size));
    for (const std::string& line : file.lines()) {
        PeriodFields period = ReadPeriodRecord(line, clBlue);
        FUZZ_CHECK(ReadPeriodRecord(FormatPeriodRecord(period), clBlue) == period);
        if (!FirstInvalidPeriodDate(period)) {
            KeepLabelInsidePeriod(period);
            FUZZ_CHECK(!FirstInvalidPeriodDate(period));
        }
        if (const auto bar = ReadPeriodBar(line)) {
            FUZZ_CHECK(bar->start <= bar->end);
            FUZZ_CHECK(bar->penWidth >= 1 && bar->penWidth <= 3);
            const CalendarDate start = DecodeJuliusDay(bar->start);
            FUZZ_CHECK(EncodeJuliusDay(start.year, start.month, start.day) == bar->start);
        }
    }
    return 0;
}
