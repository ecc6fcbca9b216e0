// SPDX-License-Identifier: GPL-3.0-or-later
// Dates: day numbers, weekdays, leap years and the local date-and-time value; era years and era dates at the changes
// of era (the first year of an era is 元年); the old-calendar table, the old-date lookup at the table's ends and
// inside it, and the rokuyo rule.
#include "calendar/JapaneseEra.h"
#include "calendar/Julius.h"
#include "calendar/OldCalendar.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace rekko {
namespace {

TEST(Julius, KnownDaysTheReformBoundaryAndItsGap) {
    EXPECT_EQ(EncodeJuliusDay(-4712, 1, 1), 0);
    EXPECT_EQ(EncodeJuliusDay(1582, 10, 4), 2299160);
    EXPECT_EQ(std::tuple(EncodeJuliusDay(1582, 10, 15), JuliusDayOfWeek(2299161)), std::tuple(2299161, 6)); // a Friday
    EXPECT_EQ(std::tuple(EncodeJuliusDay(2026, 12, 6), JuliusDayOfWeek(2461381)), std::tuple(2461381, 1));  // a Sunday
    // The message of the gap is checked where the terminal companion shows it.
    EXPECT_THROW(IsValidYMD(1582, 10, 10), EJuliusError);
    EXPECT_THROW(EncodeJuliusDay(1582, 10, 14), EJuliusError);
}

TEST(Julius, EveryDayNumberRoundTripsUpToYear9999) {
    const int32_t last = EncodeJuliusDay(9999, 12, 31);
    int32_t previousWeekday = JuliusDayOfWeek(-1);
    for (int32_t jd = 0; jd <= last; ++jd) {
        const CalendarDate date = DecodeJuliusDay(jd);
        ASSERT_EQ(EncodeJuliusDay(date.year, date.month, date.day), jd) << jd;
        ASSERT_TRUE(IsValidYMD(date.year, date.month, date.day)) << jd;
        const int weekday = JuliusDayOfWeek(jd);
        ASSERT_EQ(weekday, previousWeekday % 7 + 1) << jd;
        previousWeekday = weekday;
    }
}

TEST(Julius, LeapYearsMonthLengthsAndValidity) {
    EXPECT_EQ(std::pair(IsLeapYear(1500), IsLeapYear(1700)), std::pair(true, false)); // the Julian rule, then not
    EXPECT_FALSE(IsValidYMD(2001, 13, 1));
    // Impossible dates overflow into the next month; 4000 is no leap year, but 4000-02-29 still counts as a day.
    EXPECT_EQ(EncodeJuliusDay(2001, 2, 30), EncodeJuliusDay(2001, 3, 2));
    EXPECT_EQ(DaysOfMonth(4000, 2), 28);
    EXPECT_EQ(EncodeJuliusDay(4000, 3, 1) - EncodeJuliusDay(4000, 2, 28), 2);
    // Every month's length in Julian years (1500 leap, 1501 not) and Gregorian ones (1900 not, 2000 leap): its last
    // day is valid, the day after it not.
    const std::pair<int32_t, std::array<int, 12>> years[] = {{1500, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
                                                             {1501, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
                                                             {1900, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
                                                             {2000, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}}};
    for (const auto& [year, lengths] : years) {
        for (int month = 1; month <= 12; ++month) {
            const int last = lengths[static_cast<size_t>(month - 1)];
            EXPECT_EQ(DaysOfMonth(year, month), last) << year << "-" << month;
            EXPECT_TRUE(IsValidYMD(year, month, last)) << year << "-" << month;
            EXPECT_FALSE(IsValidYMD(year, month, last + 1)) << year << "-" << month;
        }
    }
}

TEST(Julius, LocalDateTimeConversions) {
    EXPECT_EQ(DateTimeToJuliusDay(0.0), EncodeJuliusDay(1899, 12, 30));
    const LocalDateTime t = EncodeDateTime({2026, 12, 6}, {23, 59, 59, 500});
    EXPECT_EQ(std::pair(DateOf(t), TimeOf(t)), std::pair(CalendarDate{2026, 12, 6}, TimeOfDay{23, 59, 59, 500}));

    EXPECT_EQ(DateTimeToJuliusDay(t), 2461381);
    // A value a fraction of a millisecond before midnight rounds into the next day, not to 24:00.
    const LocalDateTime almost = JuliusDayToDateTime(2461382) - 0.0001 / 86400;
    EXPECT_EQ(DateTimeToJuliusDay(almost), 2461382);
    EXPECT_EQ(TimeOf(almost), (TimeOfDay{}));
    EXPECT_EQ(JuliusDayToDateTime(2461381), EncodeDateTime({2026, 12, 6}));
}

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

OldDate oldDateOf(int32_t jd) {
    OldDate date;
    JuliusDayToOldDate(jd, date.monthCode, date.day);
    return date;
}

std::string_view rokuyoNameOf(int year, int month, int day) {
    return rokuyoName(JuliusDayToRokuyo(EncodeJuliusDay(year, month, day)));
}

TEST(OldCalendar, ShippedTableRunsFromTheMonthOf1873ToTheMonthAfter2100) {
    const std::vector<TJDOldMonth>& table = oldMonthTable();
    const int32_t first = table.front().start;
    const int32_t closing = table.back().start;
    EXPECT_LE(first, EncodeJuliusDay(1873, 1, 1));
    EXPECT_GT(table[1].start, EncodeJuliusDay(1873, 1, 1));
    EXPECT_LE(table[table.size() - 2].start, EncodeJuliusDay(2100, 12, 31));
    EXPECT_GT(closing, EncodeJuliusDay(2100, 12, 31));

    EXPECT_EQ(std::tuple(oldDateOf(first - 1), JuliusDayToRokuyo(first - 1)), std::tuple(OldDate{}, 0));
    EXPECT_EQ(oldDateOf(first), (OldDate{table.front().monthCode, 1}));
    EXPECT_NE(JuliusDayToRokuyo(first), 0);
    EXPECT_EQ(oldDateOf(closing - 1).day, closing - table[table.size() - 2].start);
    EXPECT_EQ(std::tuple(oldDateOf(closing), JuliusDayToRokuyo(closing), oldDateOf(closing + 1)),
              std::tuple(OldDate{}, 0, OldDate{}));
    // Outside the table there is no rokuyo; a number outside the six names nothing.
    EXPECT_EQ(std::pair(rokuyoName(0), rokuyoName(7)), std::pair(std::string_view("不明"), std::string_view("")));
}

TEST(OldCalendar, LeapMonthsCountAsTheMonthTheyFollow) {
    // 2023-03-22 begins leap month 2, 2033-12-22 leap month 11 (the 2033 resolution).
    EXPECT_EQ(oldDateOf(EncodeJuliusDay(2023, 3, 21)), (OldDate{2, 30}));
    EXPECT_EQ(oldDateOf(EncodeJuliusDay(2023, 3, 22)), (OldDate{102, 1}));
    EXPECT_EQ(rokuyoNameOf(2023, 3, 22), "友引");
    EXPECT_EQ(oldDateOf(EncodeJuliusDay(2033, 12, 22)), (OldDate{111, 1}));
    EXPECT_EQ(rokuyoNameOf(2033, 12, 22), "大安");
    EXPECT_EQ(oldDateOf(EncodeJuliusDay(2034, 1, 20)), (OldDate{12, 1}));
    EXPECT_EQ(rokuyoNameOf(2034, 1, 20), "赤口");
}

TEST(OldCalendar, RokuyoStartsEachMonthByItsNumberAndThenCycles) {
    // The first of months 1 and 7 is 先勝, of 2 and 8 友引, ... of 6 and 12 赤口, whatever the year.
    const std::string_view firstOfMonth[] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口",
                                             "先勝", "友引", "先負", "仏滅", "大安", "赤口"};
    const std::vector<TJDOldMonth>& table = oldMonthTable();
    for (size_t i = 0; i + 1 < table.size(); ++i) {
        const int month = table[i].monthCode % 100;
        ASSERT_EQ(rokuyoName(JuliusDayToRokuyo(table[i].start)), firstOfMonth[month - 1]) << table[i].start;
        for (int32_t jd = table[i].start + 1; jd < table[i + 1].start; ++jd)
            ASSERT_EQ(JuliusDayToRokuyo(jd), JuliusDayToRokuyo(jd - 1) % 6 + 1) << jd;
    }
}

TEST(OldCalendar, BinarySearchAgreesWithTheScanOnEveryDay) {
    const std::vector<TJDOldMonth>& table = oldMonthTable();
    for (int32_t jd = table.front().start - 3; jd <= table.back().start + 3; ++jd)
        ASSERT_EQ(findOldDate(table, jd), findOldDateByScan(table, jd)) << jd;
    EXPECT_EQ(findOldDate({}, 2451545), OldDate{});
}

// The shipped table is the generator's output, whose months are checked there; the reader refuses what would break
// the lookup.
TEST(OldCalendarTable, RejectsBadTablesNamingTheLine) {
    struct Case {
        std::string_view bytes;
        size_t line;
    };
    const Case cases[] = {
        {"2447889,12\r\n2447919,1\r\n2447919,2\r\n", 3}, // not after the line before
        {"2447889,12\r\n2447919,113\r\n", 2},            // month code 113
        {"2447889,268\r\n2447919,1\r\n", 1},             // 268 would read as 12 in 8 bits
        {"2447889,12\r\n2447920,1\r\n", 2},              // a month of 31 days
        {"2447889,12\r\n", 1},                           // no closing line
        {"", 0},                                         // empty
    };
    for (const Case& c : cases) {
        const auto table = parseOldMonthTable(c.bytes);
        ASSERT_FALSE(table.ok()) << c.bytes;
        EXPECT_EQ(table.error().line, c.line) << c.bytes;
        EXPECT_EQ(table.error().path, "JDOLDCAL");
        EXPECT_FALSE(table.error().cause.empty());
    }
}

} // namespace
} // namespace rekko
