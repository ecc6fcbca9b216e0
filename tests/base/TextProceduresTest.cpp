// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting at one character, trailing separators, names and digits out of range, and record field integers.
#include "base/TextProcedures.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Pieces = std::vector<std::string>;

TEST(TextProcedures, SplittingAndTrailingSeparators) {
    EXPECT_EQ(SplitAt(" 5,1,,\"x y\",", ','), (Pieces{" 5", "1", "", "\"x y\"", ""}));
    EXPECT_EQ(SplitAt("", ','), (Pieces{""}));
    EXPECT_EQ(WithTrailingSeparator("  /home/user/data  "), "/home/user/data/");
    EXPECT_EQ(WithTrailingSeparator("   "), "");
    EXPECT_EQ(WithTrailingSeparator("C:\\data", " \\ "), "C:\\data\\");
}

TEST(TextProcedures, NamesDigitsAndFieldIntegers) {
    EXPECT_EQ(WeekdayShortName(0), "不明");
    EXPECT_EQ(FullWidthDigit(12), "９");
    // The leading blanks of the record formats are allowed; nothing else around the digits is.
    EXPECT_EQ(FieldInteger(" 5"), 5);
    EXPECT_EQ(FieldInteger("-3"), -3);
    for (const char* text : {"5 ", "  ", "x5", "99999999999"})
        EXPECT_EQ(FieldInteger(text), std::nullopt) << text;
}

} // namespace
} // namespace rekko
