// SPDX-License-Identifier: GPL-3.0-or-later
// Colour names and the text form of colour values.
#include "base/Colour.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(Colour, EveryNamedColourRoundTrips) {
    const char* names[] = {"clBlack",        "clMaroon",      "clGreen",         "clOlive",
                           "clNavy",         "clPurple",      "clTeal",          "clGray",
                           "clSilver",       "clRed",         "clLime",          "clYellow",
                           "clBlue",         "clFuchsia",     "clAqua",          "clWhite",
                           "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
                           "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
                           "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
                           "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
                           "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
                           "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
                           "clInfoBk",       "clNone"};
    for (const char* name : names) {
        const auto value = StringToColor(name);
        ASSERT_TRUE(value) << name;
        EXPECT_EQ(ColorToString(*value), name);
    }
    EXPECT_EQ(*StringToColor("clBtnFace"), 0x8000000Fu);
    EXPECT_EQ(*StringToColor("clInfoBk"), 0x80000018u);
    EXPECT_EQ(*StringToColor("clOlive"), 0x008080u);
}

TEST(Colour, UnnamedValuesUseEightHexDigits) {
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(ColorToString(0x80000019), "$80000019");
    EXPECT_EQ(*StringToColor("$00abcdef"), 0x00ABCDEFu);
    EXPECT_EQ(*StringToColor(ColorToString(0x00C0FFEE)), 0x00C0FFEEu);
}

TEST(Colour, ReadsNamesInAnyCaseAndIntegers) {
    EXPECT_EQ(*StringToColor("CLRED"), clRed);
    EXPECT_EQ(*StringToColor("clwhite"), clWhite);
    EXPECT_EQ(*StringToColor("255"), clRed);
    EXPECT_EQ(*StringToColor("-16777201"), 0xFF00000Fu);
    EXPECT_EQ(*StringToColor("0xFF"), clRed);
}

TEST(Colour, UnreadableTextGivesNothing) {
    for (const char* text : {"", "red", "$", "$GG", "12abc", "$123456789", "99999999999", "cl Red"})
        EXPECT_FALSE(StringToColor(text)) << text;
}

} // namespace
} // namespace rekko
