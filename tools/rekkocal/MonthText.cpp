// Month calendar text for the terminal, from the month grid's cells.
#include "MonthText.h"

#include "calendar/OldCalendar.h"
#include "calendar/TextProcedures.h"
#include "controls/GridDayRules.h"

#include <cstdio>

namespace rekko::cli {

namespace {

void trimRight(std::string& text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

} // namespace

std::string MonthText(MonthGrid& grid, bool highlight) {
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
            if (!day.namesText.empty()) {
                std::snprintf(buffer, sizeof buffer, "%4d日 ", day.date.day);
                names += buffer;
                for (const NamePart& part : NameParts(day.namesText, day.names.kinds))
                    names += part.text;
                names += '\n';
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
