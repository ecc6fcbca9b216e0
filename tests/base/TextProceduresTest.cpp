// SPDX-License-Identifier: GPL-3.0-or-later
// Weekday names, full-width digits, splitting at one character, trailing separators and blank escapes.
#include "base/TextProcedures.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Pieces = std::vector<std::string>;

TEST(TextProcedures, SplitAtKeepsEveryEmptyPiece) {
    EXPECT_EQ(SplitAt("a,,b", ','), (Pieces{"a", "", "b"}));
    EXPECT_EQ(SplitAt("", ','), (Pieces{""}));
    EXPECT_EQ(SplitAt(" 5,1,,\"x y\",", ','), (Pieces{" 5", "1", "", "\"x y\"", ""}));
    Pieces appended{"kept"};
    SplitAt("x", ',', appended);
    EXPECT_EQ(appended, (Pieces{"kept", "x"}));
}

TEST(TextProcedures, WithTrailingSeparatorTrimsAndAppendsOnce) {
    EXPECT_EQ(WithTrailingSeparator("  /home/user/data  "), "/home/user/data/");
    EXPECT_EQ(WithTrailingSeparator("/home/user/data/"), "/home/user/data/");
    EXPECT_EQ(WithTrailingSeparator("   "), "");
    EXPECT_EQ(WithTrailingSeparator("C:\\data", " \\ "), "C:\\data\\");
}

TEST(TextProcedures, NamesAndDigits) {
    EXPECT_EQ(WeekdayShortName(7), "土");
    EXPECT_EQ(WeekdayShortName(0), "不明");
    EXPECT_EQ(WeekdayLongName(8), "不明");
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(WeekdayNumberText(WeekdayLongName(i)), std::to_string(i));
    EXPECT_EQ(WeekdayNumberText("月"), "");
    EXPECT_EQ(FullWidthDigit(0), "０");
    EXPECT_EQ(FullWidthDigit(12), "９");
}

TEST(TextProcedures, EscapeBlanksRoundTripsUnlessMarkerPresent) {
    EXPECT_EQ(EscapeBlanks("a b  c", BlankEscape::Escape), "a_(Sp)_b_(Sp)__(Sp)_c");
    EXPECT_EQ(EscapeBlanks(EscapeBlanks(" x y ", BlankEscape::Escape), BlankEscape::Unescape), " x y ");
    EXPECT_EQ(EscapeBlanks(EscapeBlanks("a_(Sp)_b", BlankEscape::Escape), BlankEscape::Unescape), "a b");
}

TEST(TextProcedures, FieldIntegersAllowTheLeadingBlanksOfTheRecordFormats) {
    EXPECT_EQ(FieldInteger(" 5"), 5);
    EXPECT_EQ(FieldInteger("-3"), -3);
    EXPECT_EQ(FieldInteger("5 "), std::nullopt);
    EXPECT_EQ(FieldInteger("  "), std::nullopt);
    EXPECT_EQ(FieldInteger("x5"), std::nullopt);
    EXPECT_EQ(FieldInteger("99999999999"), std::nullopt);
}

} // namespace
} // namespace rekko
