// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting at one character, trailing separators, weekday names, digits, blank escapes and record field integers.
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
    EXPECT_EQ(WeekdayLongName(8), "不明");
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(WeekdayNumberText(WeekdayLongName(i)), std::to_string(i));
    EXPECT_EQ(WeekdayNumberText("月"), "");
    EXPECT_EQ(FullWidthDigit(12), "９");
    // The leading blanks of the record formats are allowed; nothing else around the digits is.
    EXPECT_EQ(FieldInteger(" 5"), 5);
    EXPECT_EQ(FieldInteger("-3"), -3);
    for (const char* text : {"5 ", "  ", "x5", "99999999999"})
        EXPECT_EQ(FieldInteger(text), std::nullopt) << text;
}

TEST(TextProcedures, EscapeBlanksRoundTripsUnlessMarkerPresent) {
    EXPECT_EQ(EscapeBlanks("a b  c", BlankEscape::Escape), "a_(Sp)_b_(Sp)__(Sp)_c");
    EXPECT_EQ(EscapeBlanks(EscapeBlanks(" x y ", BlankEscape::Escape), BlankEscape::Unescape), " x y ");
    EXPECT_EQ(EscapeBlanks(EscapeBlanks("a_(Sp)_b", BlankEscape::Escape), BlankEscape::Unescape), "a b");
}

} // namespace
} // namespace rekko
