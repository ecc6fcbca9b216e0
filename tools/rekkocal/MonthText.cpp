// Month calendar text for the terminal.
#include "MonthText.h"

#include "calendar/Julius.h"
#include "calendar/OldCalendar.h"
#include "calendar/TextProcedures.h"

#include <cstdio>

namespace rekko::cli {

namespace {

// Appends the rokuyo row under a week row: each name below its day, two full-width characters wide.
void appendRokuyoRow(std::string& text, int32_t weekStart, int32_t first, int32_t next, int width) {
    text += '\n';
    for (int32_t jd = weekStart; jd < weekStart + 7 && jd < next; ++jd) {
        const int rokuyo = jd < first ? 0 : JuliusDayToRokuyo(jd);
        text += rokuyo ? std::string(rokuyoName(rokuyo)) : "    ";
        text += std::string(static_cast<size_t>(width - 4), ' ');
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

} // namespace

std::string MonthText(int32_t year, int month, int32_t today, bool highlight, bool rokuyo) {
    // With rokuyo the columns widen to hold a name of two full-width characters.
    const int width = rokuyo ? 5 : 3;
    const std::string gap(static_cast<size_t>(width - 2), ' ');
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%*s%d年%2d月\n", rokuyo ? 13 : 6, "", year, month);
    std::string text = buffer;
    for (int weekday = 1; weekday <= 7; ++weekday)
        text += (weekday > 1 ? gap : "") + WeekdayShortName(weekday);
    text += '\n';
    // Walk the day numbers, not the day of month, so the reform month skips its missing days.
    const int32_t first = EncodeJuliusDay(year, month, 1);
    const int32_t next = month == 12 ? EncodeJuliusDay(year + 1, 1, 1) : EncodeJuliusDay(year, month + 1, 1);
    int32_t weekStart = first - (JuliusDayOfWeek(first) - 1);
    for (int32_t jd = first; jd < next; ++jd) {
        const int column = JuliusDayOfWeek(jd) - 1;
        if (jd == first) {
            text += std::string(static_cast<size_t>(column * width), ' ');
        } else if (column == 0) {
            if (rokuyo)
                appendRokuyoRow(text, weekStart, first, next, width);
            weekStart = jd;
            text += '\n';
        } else {
            text += gap;
        }
        std::snprintf(buffer, sizeof buffer, "%2d", DecodeJuliusDay(jd).day);
        if (highlight && jd == today)
            text += std::string("\x1b[7m") + buffer + "\x1b[0m";
        else
            text += buffer;
    }
    if (rokuyo)
        appendRokuyoRow(text, weekStart, first, next, width);
    text += '\n';
    return text;
}

} // namespace rekko::cli
