// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: a month file's lines read, indexed by day, each day loaded and written back as the dialog does.
#include "FuzzCheck.h"

#include "base/TextFile.h"
#include "controls/ScheduleLines.h"
#include "schedule/DayLines.h"

using namespace rekko;

namespace {

// The lines of a list whose day field is not the day, in list order.
std::vector<std::string> otherDays(std::vector<std::string> lines, int day) {
    std::erase_if(lines, [&](const std::string& line) { return DayOfLine(line) == day; });
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> lines = ParseTextBytes(fuzz::BytesOf(data, size)).lines();

    // Each line written as a record of its day reads back the same.
    for (const std::string& line : lines) {
        const DayLine read = ReadDayLine(line);
        if (!read.day)
            continue;
        const DayLine again = ReadDayLine(FormatDayRecord(*read.day, 1, read.text, read.attribute));
        FUZZ_CHECK(again.day == read.day && again.text == read.text && again.attribute == read.attribute);
    }

    DayLineIndex index;
    index.rebuild(lines);
    for (int day = 1; day <= 31; ++day) {
        const std::vector<DayLine> before = LinesOfDay(lines, day);
        FUZZ_CHECK(before.size() == index.linesOf(day).size());
        if (before.empty())
            continue;
        // Opening a day and writing it unchanged keeps its lines and every other line.
        std::vector<std::string> written = lines;
        WriteDay(written, day, LoadDay(lines, day));
        const std::vector<DayLine> after = LinesOfDay(written, day);
        FUZZ_CHECK(after.size() == before.size());
        for (size_t i = 0; i < before.size(); ++i)
            FUZZ_CHECK(after[i].text == before[i].text && after[i].attribute == before[i].attribute);
        FUZZ_CHECK(otherDays(written, day) == otherDays(lines, day));
    }
    return 0;
}
