// SPDX-License-Identifier: GPL-3.0-or-later
// The first month, the year at start and the months of the year page.
#include "YearSpan.h"

#include <algorithm>
#include <cstdio>

namespace rekko {

FirstMonthRule FirstMonthRuleOf(int stored) {
    if (stored == static_cast<int>(FirstMonthRule::FiscalYear) || stored == static_cast<int>(FirstMonthRule::Special))
        return static_cast<FirstMonthRule>(stored);
    return FirstMonthRule::Standard;
}

int FirstMonthOf(FirstMonthRule rule, int specialMonth) {
    switch (rule) {
    case FirstMonthRule::FiscalYear:
        return 4;
    case FirstMonthRule::Special:
        return std::clamp(specialMonth, 1, 12);
    case FirstMonthRule::Standard:
        break;
    }
    return 1;
}

int32_t YearAtStart(FirstMonthRule rule, int specialMonth, const CalendarDate& today) {
    const int32_t year = today.month >= FirstMonthOf(rule, specialMonth) ? today.year : today.year - 1;
    return std::clamp(year, kFirstPageYear, kLastPageYear);
}

std::array<YearMonth, 12> YearSpan(int32_t year, int firstMonth) {
    std::array<YearMonth, 12> span;
    for (int i = 0; i < 12; ++i) {
        const int month = firstMonth + i;
        span[static_cast<size_t>(i)] = month > 12 ? YearMonth{year + 1, month - 12} : YearMonth{year, month};
    }
    return span;
}

std::string SpanLabel(const std::array<YearMonth, 12>& span) {
    char text[64];
    std::snprintf(text, sizeof text, "%d/%d - %d/%d", span.front().year, span.front().month, span.back().year,
                  span.back().month);
    return text;
}

} // namespace rekko
