// SPDX-License-Identifier: GPL-3.0-or-later
// Integer and time texts as the settings file holds them.
#include "app/ValueText.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(ValueText, IntegersInDecimalAndHexadecimal) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("  -7"), -7);
    EXPECT_EQ(ParseInteger("+3"), 3);
    EXPECT_EQ(ParseInteger("$1F"), 31);
    EXPECT_EQ(ParseInteger("0x1f"), 31);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "-", "$", "0x", "1.5", "12a", "7 ", "2147483648", "$G", "１２"})
        EXPECT_EQ(ParseInteger(bad), std::nullopt) << bad;
    EXPECT_EQ(IntegerOr("x", 100), 100);
}

TEST(ValueText, TimesOfDay) {
    EXPECT_DOUBLE_EQ(*ParseTimeOfDay("15:00:00"), 15.0 / 24);
    EXPECT_DOUBLE_EQ(*ParseTimeOfDay(" 9:05 "), (9 * 60 + 5) / 1440.0);
    EXPECT_DOUBLE_EQ(*ParseTimeOfDay("0:00:00"), 0.0);
    for (const char* bad : {"", "15", "24:00", "12:60", "12:00:60", "1:2:3:4", "a:00", "123:00", ":30", "12:"})
        EXPECT_EQ(ParseTimeOfDay(bad), std::nullopt) << bad;
    EXPECT_EQ(FormatLongTime(45000 + (9 * 3600 + 5 * 60 + 7) / 86400.0), "9:05:07");
    EXPECT_EQ(FormatLongTime(*ParseTimeOfDay("23:59:59")), "23:59:59");
}

} // namespace
} // namespace rekko
