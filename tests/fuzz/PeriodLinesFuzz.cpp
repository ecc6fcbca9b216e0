// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: period records read for the dialog and for drawing, and written back.
#include "FuzzCheck.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "controls/ScheduleLines.h"
#include "schedule/PeriodRecord.h"

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);
    const TextLines file = ParseTextBytes(bytes);
    // A line's bytes decode alone to its text and give the same days, so periods can be chosen before decoding.
    const std::vector<std::string_view> lineBytes = LineBytes(bytes);
    FUZZ_CHECK(lineBytes.size() == file.lines().size());
    for (size_t i = 0; i < lineBytes.size(); ++i) {
        FUZZ_CHECK(DecodeCp932(lineBytes[i]) == file.lines()[i]);
        FUZZ_CHECK(ReadPeriodDays(lineBytes[i]) == ReadPeriodDays(file.lines()[i]));
    }
    for (const std::string& line : file.lines()) {
        PeriodFields period = ReadPeriodRecord(line, clBlue);
        FUZZ_CHECK(ReadPeriodRecord(FormatPeriodRecord(period), clBlue) == period);
        if (!FirstInvalidPeriodDate(period)) {
            KeepLabelInsidePeriod(period);
            FUZZ_CHECK(!FirstInvalidPeriodDate(period));
        }
        const auto days = ReadPeriodDays(line);
        const auto bar = ReadPeriodBar(line);
        FUZZ_CHECK(days.has_value() == bar.has_value());
        if (bar) {
            FUZZ_CHECK(days->start == bar->start && days->end == bar->end);
            FUZZ_CHECK(bar->start <= bar->end);
            FUZZ_CHECK(bar->penWidth >= 1 && bar->penWidth <= 3);
            const CalendarDate start = DecodeJuliusDay(bar->start);
            FUZZ_CHECK(EncodeJuliusDay(start.year, start.month, start.day) == bar->start);
        }
    }
    return 0;
}
