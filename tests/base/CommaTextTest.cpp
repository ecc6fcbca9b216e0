// SPDX-License-Identifier: GPL-3.0-or-later
// The comma-text rule and the comma escaping of stored user text.
#include "base/CommaText.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Fields = std::vector<std::string>;

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

} // namespace
} // namespace rekko
