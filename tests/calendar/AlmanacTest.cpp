// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac: the shipped solar-term table against published dates, the seasonal days, the sexagenary cycle and
// the marks 天赦日, 一粒万倍日 and 不成就日 against published lists.
#include "calendar/AlmanacMarks.h"
#include "calendar/Julius.h"
#include "calendar/Kanshi.h"
#include "calendar/SeasonalDays.h"
#include "calendar/SolarTerms.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace rekko {
namespace {

int32_t day(int year, int month, int dayOfMonth) {
    return EncodeJuliusDay(year, month, dayOfMonth);
}

std::string termsText(int year) {
    std::string text;
    for (const SolarTermDay& term : solarTermsBetween(day(year, 1, 1), day(year, 12, 31))) {
        const CalendarDate date = DecodeJuliusDay(term.day);
        text += std::to_string(date.month) + "/" + std::to_string(date.day) + std::string(term.name) + " ";
    }
    return text;
}

// The days of a year on which a mark is set.
std::vector<std::pair<int, int>> markedDays(int year, bool AlmanacMarks::*mark) {
    std::vector<std::pair<int, int>> days;
    for (int32_t jd = day(year, 1, 1); jd <= day(year, 12, 31); ++jd)
        if (dayAlmanacOf(jd).marks.*mark) {
            const CalendarDate date = DecodeJuliusDay(jd);
            days.emplace_back(date.month, date.day);
        }
    return days;
}

TEST(SolarTerms, MatchThePublishedDatesOf2008AndTheRisshunOf2021And2025) {
    // 平成20年暦要項 of the National Astronomical Observatory of Japan, as printed in 全私学新聞 no. 2269
    // (2007-04-11, shidaikyo.or.jp/newspaper/online/2269/4_3.html).
    EXPECT_EQ(termsText(2008), "1/6小寒 1/21大寒 2/4立春 2/19雨水 3/5啓蟄 3/20春分 4/4清明 4/20穀雨 5/5立夏 5/21小満 "
                               "6/5芒種 6/21夏至 7/7小暑 7/22大暑 8/7立秋 8/23処暑 9/7白露 9/23秋分 10/8寒露 "
                               "10/23霜降 11/7立冬 11/22小雪 12/7大雪 12/21冬至 ");
    // 立春 on 3 February in 2021, the first time since 1897, and again in 2025; 節分 the day before.
    for (const int year : {1897, 2021, 2025}) {
        EXPECT_EQ(solarTermOn(day(year, 2, 3)), "立春") << year;
        EXPECT_EQ(seasonalDayOn(day(year, 2, 2)), "節分") << year;
    }
    for (int year = 1898; year < 2021; ++year)
        EXPECT_NE(solarTermOn(day(year, 2, 3)), "立春") << year;
    EXPECT_EQ(solarTermOn(day(2026, 2, 4)), "立春");
}

TEST(SolarTerms, TheShippedTableHoldsEveryTermOfEveryYearInOrder) {
    for (int year = 1873; year <= 2100; ++year) {
        const std::vector<SolarTermDay> terms = solarTermsBetween(day(year, 1, 1), day(year, 12, 31));
        ASSERT_EQ(terms.size(), 24u) << year;
        EXPECT_EQ(terms.front().name, "小寒") << year;
        EXPECT_EQ(terms.back().name, "冬至") << year;
    }
    EXPECT_EQ(solarMonthOf(solarTermTable(), day(1873, 1, 1)), 11); // 大雪 1872 opens it
    EXPECT_EQ(solarMonthOf(solarTermTable(), day(2101, 1, 1)), 0);
}

TEST(SolarTerms, ReadsTablesAndRejectsBadLinesNamingThem) {
    const auto table = parseSolarTermTable("10,315\r\n40,345\r\n");
    ASSERT_TRUE(table.ok());
    EXPECT_EQ(solarLongitudeOn(table.value(), 40), 345);
    EXPECT_EQ(solarLongitudeOn(table.value(), 39), -1);
    EXPECT_EQ(solarMonthOf(table.value(), 39), 1);
    EXPECT_EQ(solarMonthOf(table.value(), 9), 0);
    EXPECT_EQ(parseSolarTermTable("10,315\r\n10,330\r\n").error().line, 2u);
    EXPECT_EQ(parseSolarTermTable("10,360\r\n").error().line, 1u);
    EXPECT_EQ(parseSolarTermTable("10;315\r\n").error().line, 1u);
    EXPECT_FALSE(parseSolarTermTable("").ok());
}

TEST(SeasonalDays, FollowTheSolarTermsAsThePublishedAlmanacCountsThem) {
    // 平成20年暦要項 (as above): 土用 1/18, 節分 2/3, 彼岸 3/17, 土用 4/17, 八十八夜 5/1, 入梅 6/10.
    const std::vector<std::pair<int32_t, std::string_view>> expected = {
        {day(2008, 1, 18), "土用の入り"}, {day(2008, 2, 3), "節分"},        {day(2008, 3, 17), "彼岸入り"},
        {day(2008, 3, 23), "彼岸明け"},   {day(2008, 4, 17), "土用の入り"}, {day(2008, 5, 1), "八十八夜"},
        {day(2008, 6, 10), "入梅"},       {day(2008, 8, 31), "二百十日"}};
    for (const auto& [jd, name] : expected)
        EXPECT_EQ(seasonalDayOn(jd), name) << jd;
    int count = 0;
    for (int32_t jd = day(2008, 1, 1); jd <= day(2008, 12, 31); ++jd)
        count += seasonalDayOn(jd).empty() ? 0 : 1;
    // 節分, the starts and ends of two 彼岸, 八十八夜, 入梅, 半夏生, four 土用, 二百十日.
    EXPECT_EQ(count, 13);
}

TEST(Kanshi, OfKnownDaysAndYearsAndTheYearChangingAtRisshun) {
    EXPECT_EQ(kanshiName(kanshiOfDay(day(2000, 1, 1))), "戊午");
    EXPECT_EQ(kanshiName(kanshiOfDay(day(2026, 1, 1))), "乙亥");
    EXPECT_EQ(kanshiName(kanshiOfYear(1873)), "癸酉");
    EXPECT_EQ(kanshiName(kanshiOfYear(1984)), "甲子");
    EXPECT_EQ(kanshiName(kanshiOfYear(2026)), "丙午");
    EXPECT_EQ(almanacYearOf(solarTermTable(), day(2026, 2, 3)), 2025);
    EXPECT_EQ(almanacYearOf(solarTermTable(), day(2026, 2, 4)), 2026);
    EXPECT_EQ(almanacYearOf(solarTermTable(), day(2026, 12, 31)), 2026);
    EXPECT_EQ(kanshiName(60), "");
}

TEST(AlmanacMarks, MatchThePublishedListsOf2022) {
    // 天赦日 of 令和四年 as listed by os-hobby.com (占い用語解説 8).
    EXPECT_EQ(markedDays(2022, &AlmanacMarks::tenshanichi),
              (std::vector<std::pair<int, int>>{{1, 11}, {3, 26}, {6, 10}, {8, 23}, {10, 22}, {11, 7}}));
    // 一粒万倍日 of January to March 2022 as listed by buzztrend.net ("2022年の一粒万倍日はいつ?").
    std::vector<std::pair<int, int>> manbai;
    for (const auto& date : markedDays(2022, &AlmanacMarks::ichiryuManbaibi))
        if (date.first <= 3)
            manbai.push_back(date);
    EXPECT_EQ(manbai, (std::vector<std::pair<int, int>>{{1, 11},
                                                        {1, 14},
                                                        {1, 23},
                                                        {1, 26},
                                                        {2, 5},
                                                        {2, 10},
                                                        {2, 17},
                                                        {2, 22},
                                                        {3, 1},
                                                        {3, 9},
                                                        {3, 14},
                                                        {3, 21},
                                                        {3, 26}}));
    // 不成就日 of January to May 2022 as listed by spirituabreath.com ("2022年【不成就日 一覧】").
    std::vector<std::pair<int, int>> fujoju;
    for (const auto& date : markedDays(2022, &AlmanacMarks::fujojubi))
        if (date.first <= 5)
            fujoju.push_back(date);
    EXPECT_EQ(fujoju, (std::vector<std::pair<int, int>>{{1, 1},  {1, 8},  {1, 16}, {1, 24}, {2, 3},  {2, 11}, {2, 19},
                                                        {2, 27}, {3, 4},  {3, 12}, {3, 20}, {3, 28}, {4, 1},  {4, 9},
                                                        {4, 17}, {4, 25}, {5, 4},  {5, 12}, {5, 20}, {5, 28}}));
}

TEST(AlmanacMarks, NotesFollowTheSwitchesInTheirOrder) {
    // 2022-01-11, in winter: 天赦日 and 一粒万倍日, 甲子, still in the year 辛丑 (2021) before 立春; 2022-02-04: 立春.
    const DayAlmanac marked = dayAlmanacOf(day(2022, 1, 11));
    EXPECT_EQ(almanacNotes(marked, true, true), (std::vector<std::string>{"天赦", "万倍", "甲子"}));
    EXPECT_EQ(almanacLines(marked, true, true), (std::vector<std::string>{"天赦日 一粒万倍日", "甲子日 辛丑年"}));
    EXPECT_TRUE(almanacNotes(marked, true, false).empty());
    const DayAlmanac risshun = dayAlmanacOf(day(2022, 2, 4));
    EXPECT_EQ(almanacNotes(risshun, true, false), (std::vector<std::string>{"立春"}));
    EXPECT_EQ(almanacLines(risshun, true, true).back(), "戊子日 壬寅年");
    // A leap month counts as the month it follows: 閏2月 1 of 2023 (2023-03-22) is not 不成就日, 閏2月 2 is.
    EXPECT_FALSE(almanacMarksOf(0, 0, {102, 1}).fujojubi);
    EXPECT_TRUE(almanacMarksOf(0, 0, {102, 2}).fujojubi);
}

} // namespace
} // namespace rekko
