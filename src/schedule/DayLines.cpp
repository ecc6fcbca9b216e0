// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and writing one day's lines of a month line list.
#include "DayLines.h"

#include "base/CommaText.h"

#include <algorithm>

namespace rekko {

std::vector<DayLine> LinesOfDay(const std::vector<std::string>& monthLines, int day) {
    std::vector<DayLine> lines;
    for (const auto& line : monthLines)
        if (DayOfLine(line) == day)
            lines.push_back(ReadDayLine(line));
    return lines;
}

DaySchedule LoadDay(const std::vector<std::string>& monthLines, int day) {
    DaySchedule schedule;
    for (DayLine& read : LinesOfDay(monthLines, day)) {
        schedule.lines.push_back(UnescapeDigitComma(read.text));
        schedule.attributes.push_back(std::move(read.attribute));
    }
    if (schedule.lines.empty()) {
        schedule.lines.emplace_back();
        schedule.attributes.emplace_back();
    }
    return schedule;
}

void WriteDay(std::vector<std::string>& monthLines, int day, const DaySchedule& schedule) {
    std::erase_if(monthLines, [day](const std::string& line) { return DayOfLine(line) == day; });
    const LineAttribute standard;
    for (size_t i = 0; i < schedule.lines.size(); ++i) {
        const LineAttribute& attribute = i < schedule.attributes.size() ? schedule.attributes[i] : standard;
        monthLines.push_back(FormatDayRecord(day, static_cast<int>(i + 1), schedule.lines[i], attribute));
    }
}

} // namespace rekko
