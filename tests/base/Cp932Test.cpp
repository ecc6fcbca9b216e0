// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 932 conversion: every character round trip, invalid bytes carried, unencodable text refused.
#include "base/Cp932.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

std::string encoded(std::string_view text) {
    auto bytes = EncodeCp932(text);
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().cause);
    return bytes.ok() ? bytes.value() : std::string();
}

// Windows writes each character that has several codes with one chosen code: the NEC row 13 signs
// duplicated in JIS row 2, the NEC-selected IBM extensions (lead 0xED, 0xEE) and the IBM duplicates of
// NEC signs. These are the only codes whose bytes change.
bool isDuplicateCode(unsigned lead, unsigned trail) {
    if (lead == 0xED || lead == 0xEE)
        return true;
    const unsigned code = lead << 8 | trail;
    const unsigned necRow13Duplicates[] = {0x8790, 0x8791, 0x8792, 0x8795, 0x8796, 0x8797, 0x879A, 0x879B, 0x879C};
    for (unsigned d : necRow13Duplicates)
        if (code == d)
            return true;
    return code >= 0xFA4A && code <= 0xFA5B && code != 0xFA55 && code != 0xFA56 && code != 0xFA57;
}

TEST(Cp932, EverySingleByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(encoded(DecodeCp932(byte)), byte) << b;
    }
    EXPECT_EQ(DecodeCp932("\x5C\x7E"), "\\~");
    EXPECT_EQ(DecodeCp932("\xB1"), "ｱ");
}

TEST(Cp932, EveryTwoByteCodeRoundTripsExceptWindowsDuplicates) {
    int valid = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string text = DecodeCp932(bytes);
            const std::string back = encoded(text);
            if (back == bytes) {
                // A pair that decodes to one real character (not two carried bytes) is a valid code.
                if (text.size() <= 3 && static_cast<unsigned char>(text[0]) != 0xED)
                    ++valid;
                continue;
            }
            EXPECT_TRUE(isDuplicateCode(lead, trail)) << std::hex << lead << trail;
            EXPECT_EQ(DecodeCp932(back), text) << std::hex << lead << trail;
        }
    }
    EXPECT_GT(valid, 7000);
}

TEST(Cp932, InvalidAndCutBytesComeBackExactly) {
    const std::string samples[] = {"\x80",
                                   "\xA0",
                                   "\xFD\xFE\xFF",
                                   "abc\x81",
                                   "\x81\x0D\x0A",
                                   "\x82\x20x",
                                   "\xEF\x40",
                                   "\x85\x40\x86\x40",
                                   std::string("\x81\x00", 2)};
    for (const auto& bytes : samples) {
        const std::string text = DecodeCp932(bytes);
        EXPECT_EQ(encoded(text), bytes);
    }
    EXPECT_EQ(DecodeCp932("\x82\xA0\x80\x82\xA2"), "あ\xED\xB2\x80い");
}

// A carried lead byte followed by a character that has several codes: the code written must not pair with the
// byte, so the text reads back the same, and a second save writes the same bytes as the first.
TEST(Cp932, DuplicatesNeverChangeWhatACarriedByteMeans) {
    const auto resaved = [](std::string_view bytes) { return encoded(DecodeCp932(bytes)); };
    EXPECT_EQ(resaved(" 5,1,,A\x81\xEE\xECZ,,,,,,"), " 5,1,,A\x81\xEE\xECZ,,,,,,");
    EXPECT_EQ(resaved("\xEE\xEE\x71"), "\xEE\xEE\x71");
    EXPECT_EQ(resaved("x\xEE\xEC"), "x\xFC\x4B"); // no carried byte before it: the Windows form
    int checked = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isDuplicateCode(lead, trail))
                continue;
            for (unsigned carried = 0x80; carried <= 0xFF; ++carried) {
                const std::string bytes{static_cast<char>(carried), static_cast<char>(lead), static_cast<char>(trail)};
                const std::string text = DecodeCp932(bytes);
                if (text.rfind("\xED", 0) != 0)
                    continue; // the first byte is not carried
                const std::string once = encoded(text);
                ASSERT_EQ(DecodeCp932(once), text) << std::hex << carried << ' ' << lead << trail;
                ASSERT_EQ(resaved(once), once) << std::hex << carried << ' ' << lead << trail;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 5000);
}

TEST(Cp932, JapaneseTextRoundTrips) {
    const std::string text = "元旦　成人の日，①㈱～－＼￥";
    EXPECT_EQ(DecodeCp932(encoded(text)), text);
    EXPECT_EQ(encoded("あ"), "\x82\xA0");
}

TEST(Cp932, RefusesCharactersItCannotHoldNamingThem) {
    for (const char* text : {"ok 😀", "한", "é"}) {
        const auto bytes = EncodeCp932(text);
        ASSERT_FALSE(bytes.ok()) << text;
        EXPECT_NE(bytes.error().cause.find("」"), std::string::npos);
    }
    const auto bytes = EncodeCp932("abc 한 def");
    ASSERT_FALSE(bytes.ok());
    EXPECT_EQ(bytes.error().cause.rfind("「한」", 0), 0u);
    EXPECT_FALSE(EncodeCp932("\xC3").ok()); // not UTF-8
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
}

} // namespace
} // namespace rekko
