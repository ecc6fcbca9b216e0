// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 932 conversion: meanings of single codes, invalid bytes carried, unencodable text refused.
#include "base/Cp932.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

std::string encoded(std::string_view text) {
    auto bytes = EncodeCp932(text);
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().cause);
    return bytes.ok() ? bytes.value() : std::string();
}

using Found = std::vector<std::pair<std::string, size_t>>;

// Lists the characters the text cannot hold in code page 932 with their offsets.
Found unencodable(std::string_view text) {
    Found found;
    for (const UnencodableCharacter& character : FindUnencodableCharacters(text))
        found.emplace_back(character.character, character.offset);
    return found;
}

// Every byte and code on its own is covered by the full table test; these are the meanings and forms that test
// does not pin down.
TEST(Cp932, JapaneseTextRoundTripsAndInvalidBytesAreCarriedAsEscapes) {
    const std::string text = "元旦　成人の日，①㈱～－＼￥";
    EXPECT_EQ(DecodeCp932(encoded(text)), text);
    EXPECT_EQ(encoded("あ"), "\x82\xA0");
    EXPECT_EQ(DecodeCp932("\x5C\x7E"), "\\~");
    EXPECT_EQ(DecodeCp932("\xB1"), "ｱ");
    EXPECT_EQ(DecodeCp932("\x82\xA0\x80\x82\xA2"), "あ\xED\xB2\x80い");
    // Shown as text, bytes that are no UTF-8 read as \xHH (carried bytes and NUL: see the terminal companion).
    EXPECT_EQ(PrintableText("ok \xC3 \xED\xA0\x80 \x1B[7m"), "ok \\xC3 \\xED\\xA0\\x80 \x1B[7m");
}

// An edit that puts a character right after a carried lead byte it pairs with in every code: written there, the byte
// would take half of it at the next read. It is refused where it stands; after a byte that starts no pair it is not.
TEST(Cp932, RefusesACharacterThatWouldPairWithTheCarriedByteBeforeIt) {
    for (const char* character : {"緞", "A"}) {
        EXPECT_EQ(unencodable(DecodeCp932("%\xEE") + character), (Found{{character, 4}}));
        EXPECT_EQ(encoded(DecodeCp932("%\x80") + character), std::string("%\x80") + encoded(character));
    }
    // Two carried bytes that would pair, side by side after an edit: the second is refused.
    EXPECT_EQ(unencodable(DecodeCp932("\x82") + DecodeCp932("\xEE")), (Found{{DecodeCp932("\xEE"), 3}}));
}

TEST(Cp932, NamesEveryCharacterItCannotHoldOnceAndFindsEach) {
    // An escaped byte read from a file (U+DC81) between them is no refusal; a stray continuation byte is one.
    const std::string text = "予定 한 😀\xED\xB2\x81한 \x80é";
    const auto bytes = EncodeCp932(text);
    ASSERT_FALSE(bytes.ok());
    EXPECT_EQ(bytes.error().cause, "「한」「😀」「\x80」「é」はシフトJISで保存できない文字です。");
    EXPECT_EQ(unencodable(text), (Found{{"한", 7}, {"😀", 11}, {"한", 18}, {"\x80", 22}, {"é", 23}}));
    EXPECT_TRUE(FindUnencodableCharacters("予定\xED\xB2\x81").empty());
    EXPECT_FALSE(EncodeCp932("\xC3").ok()); // not UTF-8
}

} // namespace
} // namespace rekko
