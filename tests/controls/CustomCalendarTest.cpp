// SPDX-License-Identifier: GPL-3.0-or-later
// The month steps of the calendar base, which lower the day to the month's last.
#include "controls/CustomCalendar.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

const auto jd = EncodeJuliusDay;

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
