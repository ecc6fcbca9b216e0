// SPDX-License-Identifier: GPL-3.0-or-later
// Month calendar text for the terminal, from the month grid's cells.
#include "MonthText.h"

#include "base/CommaText.h"
#include "base/TextProcedures.h"
#include "calendar/Julius.h"
#include "calendar/OldCalendar.h"
#include "controls/GridDayRules.h"
#include "controls/ScheduleLines.h"
#include "schedule/DayLines.h"

#include <cstdio>

namespace rekko::cli {

namespace {

void trimRight(std::string& text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

// Returns the periods of the list that can be read (the header line skipped), each read once for the whole month.
std::vector<PeriodBar> readPeriodBars(const MonthGrid& grid) {
    std::vector<PeriodBar> bars;
    const auto& periods = grid.book().periods();
    for (size_t i = 1; i < periods.size(); ++i) {
        if (auto bar = ReadPeriodBar(periods[i]))
            bars.push_back(std::move(*bar));
    }
    return bars;
}

// Appends the schedule lines of a day and the periods that begin on it, one indented line each; on the 1st also the
// periods that began before the month and still run, with their first day.
void appendLines(std::string& text, const MonthGrid& grid, const CellDay& day, const std::vector<PeriodBar>& bars) {
    for (const DayLine& line : LinesOfDay(grid.book().lines(0), day.date.day))
        text += "       " + UnescapeDigitComma(line.text) + '\n';
    for (const PeriodBar& bar : bars) {
        const bool carried = day.date.day == 1 && bar.start < day.day && bar.end >= day.day;
        if (bar.start != day.day && !carried)
            continue;
        const CalendarDate end = DecodeJuliusDay(bar.end);
        char span[48];
        if (carried) {
            const CalendarDate start = DecodeJuliusDay(bar.start);
            std::snprintf(span, sizeof span, "(%d/%d〜%d/%d)", start.month, start.day, end.month, end.day);
        } else {
            std::snprintf(span, sizeof span, "(〜%d/%d)", end.month, end.day);
        }
        text += "       " + UnescapeDigitComma(bar.title) + " " + span + '\n';
    }
}

} // namespace

std::string MonthText(MonthGrid& grid, bool highlight, bool lines) {
    MonthGridOptions options = grid.options();
    options.FirstRowFirstDay = true;
    options.LastRowLastDay = true;
    options.AutoResize = true;
    grid.setOptions(options);
    grid.layout();
    // With rokuyo the columns widen to hold a name of two full-width characters.
    const int width = options.ShowRokuyo ? 5 : 3;
    const std::string gap(static_cast<size_t>(width - 2), ' ');
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%*s%d年%2d月\n", options.ShowRokuyo ? 13 : 6, "", grid.Year(), grid.Month());
    std::string text = buffer;
    for (int column = 0; column < 7; ++column)
        text += (column > 0 ? gap : "") + WeekdayShortName((options.FirstDayOfWeek + column) % 7 + 1);
    text += '\n';
    const std::vector<PeriodBar> bars = lines ? readPeriodBars(grid) : std::vector<PeriodBar>();
    for (int row = 1; row < grid.rowCount(); ++row) {
        std::string days, rokuyo, names;
        for (int column = 0; column < 7; ++column) {
            const CellDay& day = grid.cellDay((row - 1) * 7 + column);
            const std::string separator = column > 0 ? gap : "";
            if (!day.inMonth) {
                days += separator + "  ";
                rokuyo += "     ";
                continue;
            }
            std::snprintf(buffer, sizeof buffer, "%2d", day.date.day);
            days += separator + (highlight && day.day == grid.today() ? "\x1b[7m" + std::string(buffer) + "\x1b[0m"
                                                                      : std::string(buffer));
            rokuyo += (day.rokuyo ? std::string(rokuyoName(day.rokuyo)) : "    ") + " ";
            const size_t before = names.size();
            if (lines)
                appendLines(names, grid, day, bars);
            if (!day.namesText.empty() || names.size() != before) {
                std::snprintf(buffer, sizeof buffer, "%4d日 ", day.date.day);
                std::string heading = buffer;
                for (const NamePart& part : NameParts(day.names))
                    heading += part.text;
                trimRight(heading);
                names.insert(before, heading + '\n');
            }
        }
        trimRight(days);
        text += days + '\n';
        if (options.ShowRokuyo) {
            trimRight(rokuyo);
            text += rokuyo + '\n';
        }
        text += names;
    }
    return text;
}

} // namespace rekko::cli
