// SPDX-License-Identifier: GPL-3.0-or-later
// Every byte and every two-byte sequence of code page 932, alone, after a stray lead byte and before a line end,
// through decoding, encoding and a text file saved again.
#include "base/Cp932.h"
#include "base/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace rekko {
namespace {

std::string hex(std::string_view bytes) {
    std::string text;
    for (const char c : bytes)
        text += "0123456789ABCDEF"[(c >> 4) & 0xF], text += "0123456789ABCDEF"[c & 0xF], text += ' ';
    return text;
}

std::vector<char> allLeads() {
    std::vector<char> leads;
    for (unsigned byte = 0x81; byte <= 0xFC; ++byte)
        if (byte <= 0x9F || byte >= 0xE0)
            leads.push_back(static_cast<char>(byte));
    return leads;
}

// The characters with more than one two-byte code (the NEC, NEC-selected and IBM duplicates), and those codes.
struct Duplicates {
    std::set<std::string> characters;
    std::vector<std::string> codes;
};

const Duplicates& duplicates() {
    static const Duplicates table = [] {
        std::map<std::string, std::vector<std::string>> codesOf;
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
                // A pair that forms a character decodes without an escaped byte.
                if (const std::string text = DecodeCp932(code); PrintableText(text) == text)
                    codesOf[text].push_back(code);
            }
        }
        Duplicates found;
        for (const auto& [character, all] : codesOf)
            if (all.size() > 1)
                found.characters.insert(character), found.codes.insert(found.codes.end(), all.begin(), all.end());
        return found;
    }();
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
    const auto& dup = duplicates().characters;
    if (encoded.value() != bytes &&
        std::none_of(dup.begin(), dup.end(), [&](const std::string& c) { return text.find(c) != std::string::npos; }))
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

// Runs the check over each sequence alone, before a line end and after each lead, listing the first few failures.
void expectAllHold(const std::vector<std::string>& sequences, const std::vector<char>& leads,
                   const std::vector<std::string>& afters = {"", "\r\n"}) {
    size_t failed = 0, cases = 0;
    std::string first;
    const auto check = [&](const std::string& bytes) {
        ++cases;
        if (const std::string broke = violation(bytes); !broke.empty() && ++failed <= 20)
            first += hex(bytes) + ": " + broke + "\n";
    };
    for (const std::string& sequence : sequences) {
        for (const std::string& after : afters)
            check(sequence + after);
        for (const char lead : leads)
            check(lead + sequence);
    }
    EXPECT_EQ(failed, 0u) << " of " << cases << " byte strings break a rule:\n" << first;
}

TEST(Cp932Table, EverySingleByteAloneAfterEveryLeadAndBeforeALineEnd) {
    std::vector<std::string> bytes;
    for (unsigned byte = 0; byte <= 0xFF; ++byte)
        bytes.emplace_back(1, static_cast<char>(byte));
    expectAllHold(bytes, allLeads());
}

TEST(Cp932Table, EveryTwoByteSequenceAloneAfterStrayLeadsAndBeforeALineEnd) {
    std::vector<std::string> pairs;
    for (unsigned first = 0; first <= 0xFF; ++first)
        for (unsigned second = 0; second <= 0xFF; ++second)
            pairs.push_back({static_cast<char>(first), static_cast<char>(second)});
    // The first lead of each block, the NEC row, the NEC-selected rows and the IBM rows.
    expectAllHold(pairs, {'\x81', '\x87', '\x9F', '\xE0', '\xED', '\xEE', '\xFA', '\xFC'});
}

TEST(Cp932Table, EveryDuplicatedCodeAfterEveryLead) {
    ASSERT_GT(duplicates().codes.size(), 700u);
    std::vector<std::string> cases;
    for (const char lead : allLeads())
        for (const std::string& code : duplicates().codes)
            cases.push_back(lead + code);
    expectAllHold(cases, {}, {"", "A", "\x81", "\r\n"});
}

} // namespace
} // namespace rekko
