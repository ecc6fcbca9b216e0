// SPDX-License-Identifier: GPL-3.0-or-later
// The old-calendar table, the old-date lookup at the table's ends and inside it, and the rokuyo rule.
#include "calendar/OldCalendar.h"
#include "calendar/Julius.h"

#include <gtest/gtest.h>

#include <string>

namespace rekko {
namespace {

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

    EXPECT_EQ(oldDateOf(first - 1), OldDate{});
    EXPECT_EQ(JuliusDayToRokuyo(first - 1), 0);
    EXPECT_EQ(oldDateOf(first), (OldDate{table.front().monthCode, 1}));
    EXPECT_NE(JuliusDayToRokuyo(first), 0);
    EXPECT_EQ(oldDateOf(closing - 1).day, closing - table[table.size() - 2].start);
    EXPECT_EQ(oldDateOf(closing), OldDate{});
    EXPECT_EQ(JuliusDayToRokuyo(closing), 0);
    EXPECT_EQ(oldDateOf(closing + 1), OldDate{});
    // Outside the table there is no rokuyo; a number outside the six names nothing.
    EXPECT_EQ(rokuyoName(0), "不明");
    EXPECT_EQ(rokuyoName(7), "");
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
