// SPDX-License-Identifier: GPL-3.0-or-later
// The era table and the era date text.
#include "JapaneseEra.h"

#include "base/TextProcedures.h"

#include <array>

namespace rekko {

namespace {

struct Era {
    std::string_view name;
    CalendarDate first;
};

// The days each era began, as the Japanese calendar settings of Windows list them.
constexpr std::array<Era, 5> kEras = {{
    {"令和", {2019, 5, 1}},
    {"平成", {1989, 1, 8}},
    {"昭和", {1926, 12, 25}},
    {"大正", {1912, 7, 30}},
    {"明治", {1868, 1, 1}},
}};

bool notBefore(const CalendarDate& date, const CalendarDate& first) {
    if (date.year != first.year)
        return date.year > first.year;
    if (date.month != first.month)
        return date.month > first.month;
    return date.day >= first.day;
}

} // namespace

std::optional<EraYear> JapaneseEraOf(const CalendarDate& date) {
    for (const Era& era : kEras)
        if (notBefore(date, era.first))
            return EraYear{era.name, date.year - era.first.year + 1};
    return std::nullopt;
}

std::string EraDateText(int32_t jd) {
    const CalendarDate date = DecodeJuliusDay(jd);
    std::string text;
    if (const auto era = JapaneseEraOf(date))
        text = std::string(era->era) + (era->year == 1 ? std::string("元") : std::to_string(era->year));
    else
        text = std::to_string(date.year);
    return text + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) + "日(" +
           WeekdayShortName(JuliusDayOfWeek(jd)) + ")";
}

} // namespace rekko
