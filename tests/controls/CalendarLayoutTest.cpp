// SPDX-License-Identifier: GPL-3.0-or-later
// Month arithmetic, the first visible day and row count, and the date setters of the calendar base.
#include "controls/CalendarLayout.h"
#include "controls/CustomCalendar.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

int32_t jd(int32_t y, int m, int d) {
    return EncodeJuliusDay(y, m, d);
}

// 2001-07-01 and 2001-04-01 are Sundays, 2001-06-30 a Saturday, 2015-02-01 a Sunday (any printed calendar).
TEST(CalendarLayout, FirstVisibleDayOfAMonthStartingInTheFirstColumn) {
    CalendarLayoutOptions options;
    EXPECT_EQ(FirstVisibleDay(2001, 7, options), jd(2001, 6, 24));
    options.FirstRowFirstDay = true;
    EXPECT_EQ(FirstVisibleDay(2001, 7, options), jd(2001, 7, 1));
    // With Monday first, the Sunday 1st falls in the last column and the row starts on the Monday before.
    options.FirstDayOfWeek = dowMon;
    EXPECT_EQ(FirstVisibleDay(2001, 7, options), jd(2001, 6, 25));
    options.FirstDayOfWeek = dowSat;
    EXPECT_EQ(FirstVisibleDay(2001, 7, options), jd(2001, 6, 30));
}

TEST(CalendarLayout, RowCountFollowsTheMonthOnlyWithAutoResize) {
    CalendarLayoutOptions options;
    EXPECT_EQ(RowCount(2015, 2, options), 7);
    options.AutoResize = true;
    // June 2001 (Fri 1st to Sat 30th) ends in the last column: five weeks and a row of July.
    EXPECT_EQ(RowCount(2001, 6, options), 7);
    options.LastRowLastDay = true;
    EXPECT_EQ(RowCount(2001, 6, options), 6);
    // February 2015 fills exactly four rows when the first row may start with the 1st.
    options.FirstRowFirstDay = true;
    EXPECT_EQ(RowCount(2015, 2, options), 5);
    options.LastRowLastDay = false;
    EXPECT_EQ(RowCount(2015, 2, options), 6);
    // July 2001 ends on a Tuesday, so the last row is never extended.
    EXPECT_EQ(RowCount(2001, 7, options), 6);
}

TEST(CalendarLayout, NormalizeAndLastDayOfMonth) {
    int32_t year = 2001;
    int month = 13;
    NormalizeYearMonth(year, month);
    EXPECT_EQ(year * 100 + month, 200201);
    year = 2001, month = -13;
    NormalizeYearMonth(year, month);
    EXPECT_EQ(year * 100 + month, 199911);
    EXPECT_EQ(LastDayOfMonth(2000, 2), 29);
    EXPECT_EQ(LastDayOfMonth(1900, 2), 28);
    EXPECT_EQ(LastDayOfMonth(1582, 10), 31);
}

TEST(CustomCalendar, SettersKeepTheDateWhenTheResultDoesNotExist) {
    CustomCalendar calendar(jd(2001, 1, 31));
    EXPECT_FALSE(calendar.setMonth(2));
    EXPECT_EQ(calendar.JuliusDay(), jd(2001, 1, 31));
    EXPECT_TRUE(calendar.setMonth(3));
    EXPECT_EQ(calendar.JuliusDay(), jd(2001, 3, 31));
    EXPECT_FALSE(calendar.setMonth(13));
    EXPECT_FALSE(calendar.setJuliusDay(jd(2001, 3, 31)));
    ASSERT_TRUE(calendar.setJuliusDay(jd(2000, 2, 29)));
    EXPECT_FALSE(calendar.setYear(2001));
    EXPECT_TRUE(calendar.setYear(2004));
    EXPECT_EQ(calendar.JuliusDay(), jd(2004, 2, 29));
    EXPECT_FALSE(calendar.setDay(30));
    EXPECT_THROW(CustomCalendar(jd(1582, 10, 4)).setDay(10), EJuliusError);
}

TEST(CustomCalendar, MonthStepsLowerTheDayToTheMonthsLast) {
    CustomCalendar calendar(jd(2001, 1, 31));
    EXPECT_TRUE(calendar.nextMonth());
    EXPECT_EQ(calendar.JuliusDay(), jd(2001, 2, 28));
    calendar.setJuliusDay(jd(2000, 3, 31));
    calendar.previousMonth();
    EXPECT_EQ(calendar.JuliusDay(), jd(2000, 2, 29));
    calendar.goToYearMonth(2001, 0, 31);
    EXPECT_EQ(calendar.JuliusDay(), jd(2000, 12, 31));
    calendar.goToYearMonth(2001, 9, 31);
    EXPECT_EQ(calendar.JuliusDay(), jd(2001, 9, 30));
    // Across the reform: 1582-11-14 back one month is a day of the gap.
    calendar.setJuliusDay(jd(1582, 11, 14));
    EXPECT_THROW(calendar.previousMonth(), EJuliusError);
}

} // namespace
} // namespace rekko
