// SPDX-License-Identifier: GPL-3.0-or-later
// The year page's logic: the year at start, the year's range, the day count across the reform and its refusals.
#include "year/DayCount.h"
#include "year/YearController.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rekko {
namespace {

const auto jd = EncodeJuliusDay;

struct NoJump : MonthJump {
    void jumpToMonth(std::string_view) override {}
};

TEST(YearSpan, FirstMonthAndYearAtStartEdges) {
    EXPECT_EQ(FirstMonthOf(FirstMonthRule::Special, 13), 12);
    const CalendarDate march2024{2024, 3, 15};
    EXPECT_EQ(YearAtStart(FirstMonthRule::FiscalYear, 1, CalendarDate{2024, 4, 1}), 2024);
    EXPECT_EQ(YearAtStart(FirstMonthRule::Special, 3, march2024), 2024);
    EXPECT_EQ(YearAtStart(FirstMonthRule::Special, 4, march2024), 2023);
    EXPECT_EQ(FirstMonthRuleOf(5), FirstMonthRule::Standard); // an unknown stored value
}

TEST(YearController, YearStaysWithin0To9999AndTypedYearsAreRead) {
    test::ScriptedDialogs dialogs;
    NoJump jump;
    YearController year(dialogs, jump);
    year.setYear(-3);
    EXPECT_EQ(year.year(), 0);
    year.setYear(12000);
    EXPECT_EQ(year.year(), 9999);
    EXPECT_TRUE(year.applyTypedYear("0") && year.applyTypedYear("9999") && year.applyTypedYear("2026"));
    for (const char* bad : {"", "20x6", "10000"}) {
        EXPECT_FALSE(year.applyTypedYear(bad)) << bad;
        EXPECT_EQ(year.year(), 2026);
    }
}

TEST(DayCount, NegativeSpansTheReformAndImpossibleDates) {
    EXPECT_EQ(DayCount(jd(2024, 12, 31), jd(2024, 1, 1), DayCountMethod::Days), -365);
    EXPECT_EQ(DayCount(jd(2024, 12, 31), jd(2024, 1, 1), DayCountMethod::Period), -364);
    // Across the calendar reform 1582-10-04 is followed by 1582-10-15.
    EXPECT_EQ(DayCount(jd(1582, 10, 4), jd(1582, 10, 15), DayCountMethod::Days), 1);
    EXPECT_EQ(DayCountText(-365), "-365日");
    EXPECT_EQ(DayCountMethodOf(7), DayCountMethod::Days);
    EXPECT_EQ(ReadDayCountDate("2024", "2", "29").value(), jd(2024, 2, 29));
    EXPECT_EQ(ReadDayCountDate("0", "1", "1").value(), jd(0, 1, 1));
    EXPECT_EQ(ReadDayCountDate("9999", "12", "31").value(), jd(9999, 12, 31));
    const std::tuple<const char*, const char*, const char*> bad[] = {{"2023", "2", "29"}, {"1582", "10", "14"},
                                                                     {"2024", "13", "1"}, {"2024", "", "1"},
                                                                     {"10000", "1", "1"}, {"2024", "1", "99999999999"}};
    for (const auto& [y, m, d] : bad) {
        const auto read = ReadDayCountDate(y, m, d);
        ASSERT_FALSE(read) << y << "/" << m << "/" << d;
        EXPECT_EQ(read.error().cause, std::string("[ ") + y + "/" + m + "/" + d + " ]は、日付に出来ません。");
    }
}

} // namespace
} // namespace rekko
