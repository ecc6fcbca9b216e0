// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers, weekdays, leap years and the local date-and-time value.
#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(Julius, KnownDaysTheReformBoundaryAndItsGap) {
    EXPECT_EQ(EncodeJuliusDay(-4712, 1, 1), 0);
    EXPECT_EQ(EncodeJuliusDay(1582, 10, 4), 2299160);
    EXPECT_EQ(EncodeJuliusDay(1582, 10, 15), 2299161);
    EXPECT_EQ(JuliusDayOfWeek(2299161), 6); // a Friday
    EXPECT_EQ(EncodeJuliusDay(2026, 12, 6), 2461381);
    EXPECT_EQ(JuliusDayOfWeek(2461381), 1); // a Sunday
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
    EXPECT_TRUE(IsLeapYear(1500)); // Julian rule
    EXPECT_FALSE(IsLeapYear(1700));
    EXPECT_FALSE(IsValidYMD(2001, 2, 29));
    EXPECT_FALSE(IsValidYMD(2001, 13, 1));
    // Impossible dates overflow into the next month; 4000 is no leap year, but 4000-02-29 still counts as a day.
    EXPECT_EQ(EncodeJuliusDay(2001, 2, 30), EncodeJuliusDay(2001, 3, 2));
    EXPECT_EQ(DaysOfMonth(4000, 2), 28);
    EXPECT_EQ(EncodeJuliusDay(4000, 3, 1) - EncodeJuliusDay(4000, 2, 28), 2);
}

TEST(Julius, LocalDateTimeConversions) {
    EXPECT_EQ(DateTimeToJuliusDay(0.0), EncodeJuliusDay(1899, 12, 30));
    const LocalDateTime t = EncodeDateTime({2026, 12, 6}, {23, 59, 59, 500});
    EXPECT_EQ(DateOf(t), (CalendarDate{2026, 12, 6}));
    EXPECT_EQ(TimeOf(t), (TimeOfDay{23, 59, 59, 500}));
    EXPECT_EQ(DateTimeToJuliusDay(t), 2461381);
    // A value a fraction of a millisecond before midnight rounds into the next day, not to 24:00.
    const LocalDateTime almost = JuliusDayToDateTime(2461382) - 0.0001 / 86400;
    EXPECT_EQ(DateTimeToJuliusDay(almost), 2461382);
    EXPECT_EQ(TimeOf(almost), (TimeOfDay{}));
    EXPECT_EQ(JuliusDayToDateTime(2461381), EncodeDateTime({2026, 12, 6}));
}

} // namespace
} // namespace rekko
