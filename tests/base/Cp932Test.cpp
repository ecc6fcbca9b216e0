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

// A carried lead byte followed by a character that has several codes: the code written must not pair with the
// byte, so the text reads back the same (the table test checks this after every lead byte).
TEST(Cp932, DuplicatesNeverChangeWhatACarriedByteMeans) {
    const auto resaved = [](std::string_view bytes) { return encoded(DecodeCp932(bytes)); };
    EXPECT_EQ(resaved(" 5,1,,A\x81\xEE\xECZ,,,,,,"), " 5,1,,A\x81\xEE\xECZ,,,,,,");
    EXPECT_EQ(resaved("\xEE\xEE\x71"), "\xEE\xEE\x71");
    EXPECT_EQ(resaved("x\xEE\xEC"), "x\xFC\x4B"); // no carried byte before it: the Windows form
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
}

// An edit that puts a character right after a carried lead byte it pairs with in every code: written there, the byte
// would take half of it at the next read. It is refused where it stands; after a byte that starts no pair it is not.
TEST(Cp932, RefusesACharacterThatWouldPairWithTheCarriedByteBeforeIt) {
    for (const char* character : {"緞", "A"}) {
        const std::vector<UnencodableCharacter> found = FindUnencodableCharacters(DecodeCp932("%\xEE") + character);
        ASSERT_EQ(found.size(), 1u) << character;
        EXPECT_EQ(found[0].character, character);
        EXPECT_EQ(found[0].offset, 4u);
        EXPECT_EQ(encoded(DecodeCp932("%\x80") + character), std::string("%\x80") + encoded(character));
    }
    // Two carried bytes that would pair, side by side after an edit: the second is refused.
    const std::vector<UnencodableCharacter> found =
        FindUnencodableCharacters(DecodeCp932("\x82") + DecodeCp932("\xEE"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].character, DecodeCp932("\xEE"));
    EXPECT_EQ(found[0].offset, 3u);
}

TEST(Cp932, PrintableTextShowsCarriedBytesAndNul) {
    EXPECT_EQ(PrintableText(DecodeCp932(std::string("a\x80\x82\xA0\x00\xFF", 6))), "a\\x80あ\\x00\\xFF");
    EXPECT_EQ(PrintableText("ok \xC3 \xED\xA0\x80 \x1B[7m"), "ok \\xC3 \\xED\\xA0\\x80 \x1B[7m");
}

TEST(Cp932, NamesEveryCharacterItCannotHoldOnceAndFindsEach) {
    // An escaped byte read from a file (U+DC81) between them is no refusal; a stray continuation byte is one.
    const std::string text = "予定 한 😀\xED\xB2\x81한 \x80é";
    const auto bytes = EncodeCp932(text);
    ASSERT_FALSE(bytes.ok());
    EXPECT_EQ(bytes.error().cause, "「한」「😀」「\x80」「é」はシフトJISで保存できない文字です。");
    const std::vector<UnencodableCharacter> found = FindUnencodableCharacters(text);
    ASSERT_EQ(found.size(), 5u);
    const std::pair<const char*, size_t> expected[] = {{"한", 7}, {"😀", 11}, {"한", 18}, {"\x80", 22}, {"é", 23}};
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].character, expected[i].first);
        EXPECT_EQ(found[i].offset, expected[i].second);
    }
    EXPECT_TRUE(FindUnencodableCharacters("予定\xED\xB2\x81").empty());
    EXPECT_FALSE(EncodeCp932("\xC3").ok()); // not UTF-8
}

} // namespace
} // namespace rekko
