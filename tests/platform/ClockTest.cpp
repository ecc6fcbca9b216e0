// SPDX-License-Identifier: GPL-3.0-or-later
// The system clock gives the local wall clock as a date-and-time value.
#include "platform/Clock.h"

#include "calendar/Julius.h"

#include <ctime>
#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(Clock, SystemClockGivesTheLocalWallClock) {
    const std::time_t before = std::time(nullptr);
    const LocalDateTime now = SystemClock().now();
    std::tm local{};
    ::localtime_r(&before, &local);
    const CalendarDate date = DateOf(now);
    const TimeOfDay time = TimeOf(now);
    // Allow for the minute turning between the two readings.
    const int expected = local.tm_hour * 60 + local.tm_min;
    const int actual = time.hour * 60 + time.minute;
    EXPECT_TRUE(actual == expected || actual == (expected + 1) % 1440) << actual << " vs " << expected;
    if (actual == expected) {
        EXPECT_EQ(date.year, local.tm_year + 1900);
        EXPECT_EQ(date.month, local.tm_mon + 1);
        EXPECT_EQ(date.day, local.tm_mday);
    }
}

} // namespace
} // namespace rekko
