// SPDX-License-Identifier: GPL-3.0-or-later
// Text procedures: splitting, weekday names, digits, blank escapes, field integers, the comma-text rule with the
// comma escaping of stored user text, and colour names.
#include "base/TextProcedures.h"
#include "base/Colour.h"
#include "base/CommaText.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Fields = std::vector<std::string>;

TEST(TextProcedures, SplittingAndTrailingSeparators) {
    EXPECT_EQ(SplitAt(" 5,1,,\"x y\",", ','), (Fields{" 5", "1", "", "\"x y\"", ""}));
    EXPECT_EQ(SplitAt("", ','), (Fields{""}));
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

TEST(CommaText, SplitsAtCommasAndBlanksOutsideQuotes) {
    EXPECT_EQ(SplitCommaText("1948,,1,1,,,元旦"), (Fields{"1948", "", "1", "1", "", "", "元旦"}));
    EXPECT_EQ(SplitCommaText("12 24 Christmas Eve"), (Fields{"12", "24", "Christmas", "Eve"}));
    EXPECT_EQ(SplitCommaText("a,b,"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitCommaText("  \t "), Fields{});
    EXPECT_EQ(SplitCommaText(",,"), (Fields{"", ""}));
    EXPECT_EQ(SplitCommaText(std::string_view("a\0b,c", 5)), (Fields{"a"}));
    // Quoted fields hold blanks, commas and doubled quotes.
    EXPECT_EQ(SplitCommaText("1,1,\"New, Year \"\"Day\"\"\""), (Fields{"1", "1", "New, Year \"Day\""}));
    EXPECT_EQ(SplitCommaText("\"unterminated, still"), (Fields{"unterminated, still"}));
    EXPECT_EQ(SplitCommaText("\"ab\"cd"), (Fields{"ab", "cd"}));
}

TEST(CommaText, JoinGivesTheSameFieldsBack) {
    const Fields fields{"plain", "with blank", "with,comma", "with\"quote", "", "全角　空白"};
    EXPECT_EQ(SplitCommaText(JoinCommaText(fields)), fields);
    EXPECT_EQ(JoinCommaText({"a", "b c"}), "a,\"b c\"");
}

TEST(CommaText, EscapingKeepsOnlyTheFirstDigitCommaOnDisplay) {
    EXPECT_EQ(EscapeCommas("1,000,000"), "1，000，000");
    EXPECT_EQ(UnescapeDigitComma(EscapeCommas("1,000,000")), "1,000，000");
    // Only the first full-width comma is looked at, even when a later one stands between digits.
    EXPECT_EQ(UnescapeDigitComma("a，b 1，2"), "a，b 1，2");
    EXPECT_EQ(UnescapeDigitComma("1，"), "1，");
}

TEST(Colour, NamesHexAndIntegersReadAndUnreadableTextGivesNothing) {
    for (const char* name : {"clBlack", "clOlive", "clWhite", "clScrollBar", "clBtnFace", "clInfoBk", "clNone"}) {
        const auto value = StringToColor(name);
        ASSERT_TRUE(value) << name;
        EXPECT_EQ(ColorToString(*value), name);
    }
    EXPECT_EQ(*StringToColor("clBtnFace"), 0x8000000Fu);
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(*StringToColor("$00abcdef"), 0x00ABCDEFu);
    EXPECT_EQ(*StringToColor("CLRED"), clRed);
    EXPECT_EQ(*StringToColor("-16777201"), 0xFF00000Fu);
    EXPECT_EQ(*StringToColor("0xFF"), clRed);
    for (const char* text : {"", "red", "$", "$GG", "12abc", "$123456789", "99999999999", "cl Red"})
        EXPECT_FALSE(StringToColor(text)) << text;
}

} // namespace
} // namespace rekko
