// SPDX-License-Identifier: GPL-3.0-or-later
// Every byte and every two-byte sequence of code page 932, alone, after a stray lead byte and before a line end,
// through decoding, encoding and a text file saved again.
#include "base/Cp932.h"
#include "base/TextFile.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace rekko {
namespace {

bool isLead(unsigned byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string hex(std::string_view bytes) {
    std::string text;
    for (const char c : bytes)
        text += "0123456789ABCDEF"[(c >> 4) & 0xF], text += "0123456789ABCDEF"[c & 0xF], text += ' ';
    return text;
}

// The characters with more than one two-byte code (the NEC, NEC-selected and IBM duplicates), and those codes.
struct Duplicates {
    std::set<std::string> characters;
    std::vector<std::string> codes;

    Duplicates() {
        std::map<std::string, std::vector<std::string>> codesOf;
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
                const std::string text = DecodeCp932(code);
                // A pair that forms one character decodes to a single code point, never to an escaped byte.
                const auto first = static_cast<unsigned char>(text[0]), second = static_cast<unsigned char>(text[1]);
                const bool escaped = first == 0xED && second >= 0xB0;
                if ((text.size() == 3 && first >= 0xE0 && !escaped) || (text.size() == 2 && first >= 0xC2))
                    codesOf[text].push_back(code);
            }
        }
        for (const auto& [character, all] : codesOf) {
            if (all.size() > 1) {
                characters.insert(character);
                codes.insert(codes.end(), all.begin(), all.end());
            }
        }
    }

    bool anyIn(std::string_view text) const {
        for (const std::string& character : characters)
            if (text.find(character) != std::string_view::npos)
                return true;
        return false;
    }
};

const Duplicates& duplicates() {
    static const Duplicates table;
    return table;
}

// Checks one byte string against the rules of the data files and answers what broke, or nothing.
std::string violation(const std::string& bytes) {
    const std::string text = DecodeCp932(bytes);
    const auto encoded = EncodeCp932(text);
    if (!encoded)
        return "does not encode: " + encoded.error().cause;
    if (DecodeCp932(encoded.value()) != text)
        return "encodes to " + hex(encoded.value()) + "which reads as another text";
    // Invalid bytes come back exactly; only a duplicated character may take another of its codes.
    if (encoded.value() != bytes && !duplicates().anyIn(text))
        return "encodes to other bytes: " + hex(encoded.value());
    // As a line of a file: the line end is not taken into a character, and an unedited line keeps its bytes.
    if (bytes.find_first_of("\r\n\x1A") == std::string::npos) {
        const std::string line = bytes + "\r\n";
        const TextLines file = ParseTextBytes(line);
        if (file.lines() != std::vector<std::string>{text})
            return "as a line it reads as other lines";
        const auto saved = file.compose(file.lines());
        if (!saved || saved.value() != line)
            return "as an unedited line it is saved as other bytes";
        const auto retyped = TextLines().compose(file.lines());
        if (!retyped || retyped.value() != encoded.value() + "\r\n")
            return "as an edited line it is saved as other bytes than alone";
    }
    return {};
}

// Runs the check over byte strings and expects no violation, listing the first few.
void expectAllHold(const std::vector<std::string>& cases) {
    std::vector<std::string> failed;
    for (const std::string& bytes : cases)
        if (const std::string broke = violation(bytes); !broke.empty())
            failed.push_back(hex(bytes) + ": " + broke);
    std::string first;
    for (size_t i = 0; i < failed.size() && i < 20; ++i)
        first += failed[i] + "\n";
    EXPECT_TRUE(failed.empty()) << failed.size() << " of " << cases.size() << " byte strings break a rule:\n" << first;
}

std::vector<std::string> withContexts(const std::vector<std::string>& sequences, const std::vector<char>& leads) {
    std::vector<std::string> cases;
    for (const std::string& sequence : sequences) {
        cases.push_back(sequence);
        cases.push_back(sequence + "\r\n");
        for (const char lead : leads)
            cases.push_back(lead + sequence);
    }
    return cases;
}

std::vector<char> allLeads() {
    std::vector<char> leads;
    for (unsigned byte = 0; byte <= 0xFF; ++byte)
        if (isLead(byte))
            leads.push_back(static_cast<char>(byte));
    return leads;
}

TEST(Cp932Table, EverySingleByteAloneAfterEveryLeadAndBeforeALineEnd) {
    std::vector<std::string> bytes;
    for (unsigned byte = 0; byte <= 0xFF; ++byte)
        bytes.emplace_back(1, static_cast<char>(byte));
    expectAllHold(withContexts(bytes, allLeads()));
}

TEST(Cp932Table, EveryTwoByteSequenceAloneAfterStrayLeadsAndBeforeALineEnd) {
    std::vector<std::string> pairs;
    for (unsigned first = 0; first <= 0xFF; ++first)
        for (unsigned second = 0; second <= 0xFF; ++second)
            pairs.push_back({static_cast<char>(first), static_cast<char>(second)});
    // The first lead of each block, the NEC row, the NEC-selected rows and the IBM rows.
    expectAllHold(withContexts(pairs, {'\x81', '\x87', '\x9F', '\xE0', '\xED', '\xEE', '\xFA', '\xFC'}));
}

TEST(Cp932Table, EveryDuplicatedCodeAfterEveryLead) {
    ASSERT_GT(duplicates().codes.size(), 700u);
    std::vector<std::string> cases;
    for (const char lead : allLeads())
        for (const std::string& code : duplicates().codes)
            for (const char* after : {"", "A", "\x81", "\r\n"})
                cases.push_back(lead + code + after);
    expectAllHold(cases);
}

} // namespace
} // namespace rekko
