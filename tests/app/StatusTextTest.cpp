// SPDX-License-Identifier: GPL-3.0-or-later
// The status-bar clock.
#include "app/StatusText.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

LocalDateTime at(int year, int month, int day, int hour, int minute) {
    return EncodeDateTime({year, static_cast<uint8_t>(month), static_cast<uint8_t>(day)}, {hour, minute, 30});
}

TEST(StatusText, ClockIsJapaneseOnTheTwelveHourDial) {
    EXPECT_EQ(FormatStatusClock(at(2024, 5, 3, 15, 5)), "2024/5/3 (金) 午後 3 : 05");
    EXPECT_EQ(FormatStatusClock(at(2024, 12, 31, 0, 0)), "2024/12/31 (火) 午前 12 : 00");
    EXPECT_EQ(FormatStatusClock(at(2024, 1, 7, 11, 59)), "2024/1/7 (日) 午前 11 : 59");
    EXPECT_EQ(FormatStatusClock(at(2026, 12, 5, 12, 0)), "2026/12/5 (土) 午後 12 : 00");
}

} // namespace
} // namespace rekko
