// SPDX-License-Identifier: GPL-3.0-or-later
// Japanese era names and era dates: 明治, 大正, 昭和, 平成 and 令和 with the day each began.
#pragma once

#include "Julius.h"

#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// A year counted in an era: its name and the year within it (1 for the year the era began).
struct EraYear {
    std::string_view era;
    int32_t year = 0;
    friend bool operator==(const EraYear&, const EraYear&) = default;
};

// Returns the era year of a date: 明治 from 1868-01-01, 大正 from 1912-07-30, 昭和 from 1926-12-25, 平成 from
// 1989-01-08, 令和 from 2019-05-01; nothing before 1868.
std::optional<EraYear> JapaneseEraOf(const CalendarDate& date);

// Returns the era date of a day number with its weekday, such as "平成16年5月3日(月)"; the first year of an era is
// written "元年" ("令和元年5月1日(水)"), and a date before 1868 keeps its western year ("1850年5月3日(金)").
std::string EraDateText(int32_t jd);

} // namespace rekko
