// SPDX-License-Identifier: GPL-3.0-or-later
// Colour names and the text form of colour values.
#include "base/Colour.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

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
