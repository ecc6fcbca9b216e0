// SPDX-License-Identifier: GPL-3.0-or-later
// Era years and era dates at the changes of era; the first year of an era is 元年.
#include "calendar/JapaneseEra.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

// The days each era began: the imperial ordinances of 1868, 1912 and 1926, the cabinet order of 1989-01-07 (Heisei
// from the 8th) and the ordinance of 2019-04-01 (Reiwa from 1 May).
TEST(JapaneseEra, ChangesOfEra) {
    const struct {
        CalendarDate date;
        const char* era;
        int year;
    } cases[] = {
        {{1868, 1, 1}, "明治", 1},    {{1912, 7, 29}, "明治", 45}, {{1912, 7, 30}, "大正", 1},
        {{1926, 12, 24}, "大正", 15}, {{1926, 12, 25}, "昭和", 1}, {{1989, 1, 7}, "昭和", 64},
        {{1989, 1, 8}, "平成", 1},    {{2019, 4, 30}, "平成", 31}, {{2019, 5, 1}, "令和", 1},
        {{2026, 12, 6}, "令和", 8},
    };
    for (const auto& c : cases) {
        const auto era = JapaneseEraOf(c.date);
        ASSERT_TRUE(era) << c.date.year;
        EXPECT_EQ(era->era, c.era) << c.date.year << "-" << int(c.date.month) << "-" << int(c.date.day);
        EXPECT_EQ(era->year, c.year) << c.date.year;
    }
    EXPECT_FALSE(JapaneseEraOf({1867, 12, 31}));
}

TEST(JapaneseEra, EraDateTexts) {
    EXPECT_EQ(EraDateText(EncodeJuliusDay(2004, 5, 3)), "平成16年5月3日(月)");
    EXPECT_EQ(EraDateText(EncodeJuliusDay(1989, 1, 7)), "昭和64年1月7日(土)");
    EXPECT_EQ(EraDateText(EncodeJuliusDay(1989, 1, 8)), "平成元年1月8日(日)");
    EXPECT_EQ(EraDateText(EncodeJuliusDay(2019, 4, 30)), "平成31年4月30日(火)");
    EXPECT_EQ(EraDateText(EncodeJuliusDay(2019, 5, 1)), "令和元年5月1日(水)");
    EXPECT_EQ(EraDateText(EncodeJuliusDay(2020, 1, 1)), "令和2年1月1日(水)");
    EXPECT_EQ(EraDateText(EncodeJuliusDay(1850, 5, 3)), "1850年5月3日(金)");
}

} // namespace
} // namespace rekko
