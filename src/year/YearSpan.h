// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve months of the year page: the first month by the chosen rule, the year shown at start, the months of
// the twelve calendars and the span label.
#pragma once

#include "calendar/Julius.h"

#include <array>
#include <cstdint>
#include <string>

namespace rekko {

// The first-month rule of the year page, as rgYFirstMonth stores it.
enum class FirstMonthRule { Standard = 0, FiscalYear = 1, Special = 2 };

inline constexpr int32_t kFirstPageYear = 0;
inline constexpr int32_t kLastPageYear = 9999;

struct YearMonth {
    int32_t year = 0;
    int month = 1;
    friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

// Returns the rule of a stored rgYFirstMonth value; values outside 0..2 give the standard rule.
FirstMonthRule FirstMonthRuleOf(int stored);

// Returns the first month of the span: January for "標準", April for "年度", the special month (SpHajimariTuki,
// kept within 1..12) for "特別".
int FirstMonthOf(FirstMonthRule rule, int specialMonth);

// Returns the year the page shows at start: this year when today's month is the first month or later, otherwise
// the year before (so "年度" in March 2024 shows April 2023 to March 2024).
int32_t YearAtStart(FirstMonthRule rule, int specialMonth, const CalendarDate& today);

// Returns the months of calendars 1..12: the first month of the year, then the following months, wrapping into
// the next year after December.
std::array<YearMonth, 12> YearSpan(int32_t year, int firstMonth);

// Returns the span label "%d/%d - %d/%d" of the first and the last calendar's year and month.
std::string SpanLabel(const std::array<YearMonth, 12>& span);

} // namespace rekko
