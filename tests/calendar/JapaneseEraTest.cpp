// SPDX-License-Identifier: GPL-3.0-or-later
// Era years and era dates at the changes of era; the first year of an era is 元年.
#include "calendar/JapaneseEra.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

// The days each era began: the imperial ordinances of 1868, 1912 and 1926, the cabinet order of 1989-01-07 (Heisei
// from the 8th) and the ordinance of 2019-04-01 (Reiwa from 1 May); none before 1868.
TEST(JapaneseEra, ChangesOfEra) {
    const std::pair<CalendarDate, const char*> cases[] = {
        {{1868, 1, 1}, "明治元年1月1日(水)"},     {{1912, 7, 29}, "明治45年7月29日(月)"},
        {{1912, 7, 30}, "大正元年7月30日(火)"},   {{1926, 12, 24}, "大正15年12月24日(金)"},
        {{1926, 12, 25}, "昭和元年12月25日(土)"}, {{1989, 1, 7}, "昭和64年1月7日(土)"},
        {{1989, 1, 8}, "平成元年1月8日(日)"},     {{2019, 4, 30}, "平成31年4月30日(火)"},
        {{2019, 5, 1}, "令和元年5月1日(水)"},     {{2020, 1, 1}, "令和2年1月1日(水)"},
        {{1867, 12, 31}, "1867年12月31日(火)"},
    };
    for (const auto& [date, text] : cases)
        EXPECT_EQ(EraDateText(EncodeJuliusDay(date.year, date.month, date.day)), text);
    EXPECT_EQ(JapaneseEraOf({2026, 12, 6})->year, 8);
    EXPECT_FALSE(JapaneseEraOf({1867, 12, 31}));
}

} // namespace
} // namespace rekko
