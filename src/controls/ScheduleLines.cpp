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

// The fields of a period line up to the title, split at "," without copying; count stops at the title field, the
// last one read.
struct PeriodFieldViews {
    std::array<std::string_view, 14> fields;
    size_t count = 0;
};

PeriodFieldViews splitFields(std::string_view line) {
    PeriodFieldViews result;
    size_t start = 0;
    while (result.count < result.fields.size()) {
        const size_t comma = line.find(',', start);
        result.fields[result.count++] = line.substr(start, comma == std::string_view::npos ? comma : comma - start);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return result;
}

std::optional<int32_t> readDate(const PeriodFieldViews& line, size_t first) {
    const auto year = FieldInteger(line.fields[first]);
    const auto month = FieldInteger(line.fields[first + 1]);
    const auto day = FieldInteger(line.fields[first + 2]);
    if (!year || !month || !day)
        return std::nullopt;
    return ExistingJuliusDay(*year, *month, *day);
}

DayPart readPart(std::string_view part) {
    if (part == "M")
        return DayPart::Morning;
    return part == "A" ? DayPart::Midday : DayPart::Evening;
}

// Reads the ends of a bar, swapped when the line has its end first; nothing when it cannot be drawn.
std::optional<PeriodBar> readEnds(const PeriodFieldViews& line) {
    if (line.count <= 6 || (line.count > 12 && line.fields[12] == "D"))
        return std::nullopt;
    const auto start = readDate(line, 0);
    const auto end = readDate(line, 4);
    if (!start || !end)
        return std::nullopt;
    PeriodBar bar;
    bar.start = *start;
    bar.end = *end;
    bar.startPart = readPart(line.fields[3]);
    bar.endPart = line.count > 7 ? readPart(line.fields[7]) : DayPart::Evening;
    // A record written with its end first is drawn as if its ends were swapped; the line itself stays as it is.
    if (bar.end < bar.start) {
        std::swap(bar.start, bar.end);
        std::swap(bar.startPart, bar.endPart);
    }
    return bar;
}

} // namespace

std::optional<PeriodDays> ReadPeriodDays(std::string_view line) {
    const auto bar = readEnds(splitFields(line));
    if (!bar)
        return std::nullopt;
    return PeriodDays{bar->start, bar->end};
}

std::optional<PeriodBar> ReadPeriodBar(std::string_view line) {
    const PeriodFieldViews fields = splitFields(line);
    auto bar = readEnds(fields);
    if (!bar)
        return std::nullopt;
    if (fields.count > 10) {
        bar->titleMonth = FieldInteger(fields.fields[9]).value_or(0);
        bar->titleDay = FieldInteger(fields.fields[10]).value_or(0);
    }
    if (fields.count > 11) {
        const int width = FieldInteger(fields.fields[11]).value_or(1);
        bar->penWidth = width >= 1 && width <= 3 ? width : 1;
    }
    if (fields.count > 12)
        bar->colour = StringToColor(fields.fields[12]);
    if (fields.count > 13)
        bar->title = fields.fields[13];
    return bar;
}

std::string PeriodSummary(std::string_view line) {
    const PeriodFields period = ReadPeriodRecord(line, clBlue);
    std::string summary = PeriodDateText(period.start) + "～" + PeriodDateText(period.end);
    if (!period.text.empty())
        summary += " " + period.text;
    return summary;
}

} // namespace rekko
