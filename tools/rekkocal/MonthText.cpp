// Month calendar text for the terminal.
#include "MonthText.h"

#include "calendar/Julius.h"

#include <cstdio>

namespace rekko::cli {

std::string MonthText(int32_t year, int month, int32_t today, bool highlight) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "      %d年%2d月\n", year, month);
    std::string text = buffer;
    text += "日 月 火 水 木 金 土\n";
    // Walk the day numbers, not the day of month, so the reform month skips its missing days.
    const int32_t first = EncodeJuliusDay(year, month, 1);
    const int32_t next = month == 12 ? EncodeJuliusDay(year + 1, 1, 1) : EncodeJuliusDay(year, month + 1, 1);
    for (int32_t jd = first; jd < next; ++jd) {
        const int column = JuliusDayOfWeek(jd) - 1;
        if (jd == first)
            text += std::string(static_cast<size_t>(column) * 3, ' ');
        else
            text += column == 0 ? '\n' : ' ';
        std::snprintf(buffer, sizeof buffer, "%2d", DecodeJuliusDay(jd).day);
        if (highlight && jd == today)
            text += std::string("\x1b[7m") + buffer + "\x1b[0m";
        else
            text += buffer;
    }
    text += '\n';
    return text;
}

} // namespace rekko::cli
