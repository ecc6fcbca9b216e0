// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the fields of month-list lines and period lines for the grid.
#include "ScheduleLines.h"

#include "base/TextProcedures.h"
#include "calendar/Julius.h"

#include <charconv>
#include <utility>

namespace rekko {

void DayLineIndex::rebuild(const std::vector<std::string>& lines) {
    for (auto& day : m_days)
        day.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto day = FieldInteger(line.substr(0, line.find(',')));
        if (day && *day >= 1 && *day <= 31)
            m_days[static_cast<size_t>(*day)].push_back(static_cast<int32_t>(i));
    }
}

const std::vector<int32_t>& DayLineIndex::linesOf(int day) const {
    static const std::vector<int32_t> none;
    return day >= 1 && day <= 31 ? m_days[static_cast<size_t>(day)] : none;
}

namespace {

std::optional<int32_t> readDate(const std::vector<std::string>& fields, size_t first) {
    const auto year = FieldInteger(fields[first]);
    const auto month = FieldInteger(fields[first + 1]);
    const auto day = FieldInteger(fields[first + 2]);
    if (!year || !month || !day)
        return std::nullopt;
    return ExistingJuliusDay(*year, *month, *day);
}

DayPart readPart(const std::vector<std::string>& fields, size_t index) {
    const std::string_view part = index < fields.size() ? std::string_view(fields[index]) : std::string_view();
    if (part == "M")
        return DayPart::Morning;
    return part == "A" ? DayPart::Midday : DayPart::Evening;
}

} // namespace

std::optional<PeriodBar> ReadPeriodBar(std::string_view line) {
    const std::vector<std::string> fields = SplitAt(line, ',');
    if (fields.size() <= 6 || (fields.size() > 12 && fields[12] == "D"))
        return std::nullopt;
    const auto start = readDate(fields, 0);
    const auto end = readDate(fields, 4);
    if (!start || !end)
        return std::nullopt;
    PeriodBar bar;
    bar.start = *start;
    bar.end = *end;
    bar.startPart = readPart(fields, 3);
    bar.endPart = readPart(fields, 7);
    // A record written with its end first is drawn as if its ends were swapped; the line itself stays as it is.
    if (bar.end < bar.start) {
        std::swap(bar.start, bar.end);
        std::swap(bar.startPart, bar.endPart);
    }
    if (fields.size() > 10) {
        bar.titleMonth = FieldInteger(fields[9]).value_or(0);
        bar.titleDay = FieldInteger(fields[10]).value_or(0);
    }
    if (fields.size() > 11) {
        const int width = FieldInteger(fields[11]).value_or(1);
        bar.penWidth = width >= 1 && width <= 3 ? width : 1;
    }
    if (fields.size() > 12)
        bar.colour = StringToColor(fields[12]);
    if (fields.size() > 13)
        bar.title = fields[13];
    return bar;
}

} // namespace rekko
