// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 932 conversion through iconv, with invalid bytes carried as U+DC00 + byte.
#include "Cp932.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <iconv.h>
#include <map>
#include <stdexcept>
#include <vector>

namespace rekko {

namespace {

constexpr size_t kChunk = 256 * 1024;

// One iconv conversion descriptor, opened for the life of a conversion call.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of in as it can into out (appending); returns the errno that stopped it, or 0.
    int convert(std::string_view& in, std::string& out) {
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        int error = 0;
        while (srcLeft > 0) {
            const size_t used = out.size();
            // Bounded so that a text with many invalid bytes does not grow the buffer by the whole rest
            // of the input at every one of them.
            const size_t room = std::min<size_t>(srcLeft * 3 + 16, kChunk);
            out.resize(used + room);
            char* dst = out.data() + used;
            size_t dstLeft = room;
            const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.resize(out.size() - dstLeft);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
                error = errno;
                break;
            }
        }
        in = std::string_view(src, srcLeft);
        return error;
    }

private:
    iconv_t m_cd;
};

// Appends U+DC00 + byte in UTF-8 (U+DC80..U+DCFF for the bytes 0x80..0xFF that can be invalid).
void appendEscapedByte(std::string& out, unsigned char byte) {
    out += '\xED';
    out += static_cast<char>(0xB0 | (byte >> 6));
    out += static_cast<char>(0x80 | (byte & 0x3F));
}

// Answers whether text at pos starts the UTF-8 form of an escaped byte (ED B0..B3 80..BF).
bool isEscapedByte(std::string_view text, size_t pos) {
    return pos + 2 < text.size() && static_cast<unsigned char>(text[pos]) == 0xED &&
           (static_cast<unsigned char>(text[pos + 1]) & 0xFC) == 0xB0 &&
           (static_cast<unsigned char>(text[pos + 2]) & 0xC0) == 0x80;
}

unsigned char escapedByte(std::string_view text) {
    return static_cast<unsigned char>(((text[1] & 0x03) << 6) | (text[2] & 0x3F));
}

// Returns a byte as \xHH.
std::string hexOf(unsigned char byte) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    return hex;
}

// Returns the length of the valid UTF-8 character at pos (no overlong form, no surrogate), or 0.
size_t validCharacterLength(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return 1;
    const size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || pos + length > text.size())
        return 0;
    uint32_t code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// Returns the UTF-8 character starting at the front of text (at most four bytes); a byte that starts no complete
// sequence is returned alone.
std::string firstCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
    if (length > text.size())
        return std::string(text.substr(0, 1));
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return std::string(text.substr(0, 1));
    return std::string(text.substr(0, length));
}

// The two-byte codes of code page 932: which byte pairs form a character, and every code of each character that
// has more than one (the NEC and IBM duplicates), in byte order.
class TwoByteCodes {
public:
    TwoByteCodes() {
        Converter converter("UTF-8", "CP932");
        std::map<std::string, std::vector<std::string>> codesOf;
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
                std::string_view in = code;
                std::string character;
                // A single-byte character followed by another byte also converts; a pair gives one character.
                if (converter.convert(in, character) != 0 || character.empty() ||
                    firstCharacter(character).size() != character.size())
                    continue;
                m_pairs[lead][trail] = true;
                codesOf[character].push_back(code);
            }
        }
        for (auto& [character, codes] : codesOf)
            if (codes.size() > 1)
                m_duplicates.emplace(character, std::move(codes));
    }

    bool formPair(unsigned char lead, unsigned char trail) const { return m_pairs[lead][trail]; }

    // Returns every code of a character that has several, or nullptr.
    const std::vector<std::string>* duplicatesOf(const std::string& character) const {
        const auto found = m_duplicates.find(character);
        return found == m_duplicates.end() ? nullptr : &found->second;
    }

private:
    std::array<std::array<bool, 256>, 256> m_pairs{};
    std::map<std::string, std::vector<std::string>> m_duplicates;
};

const TwoByteCodes& twoByteCodes() {
    static const TwoByteCodes codes;
    return codes;
}

// Returns what a carried byte and the byte after it read back as.
std::string pairOf(unsigned char carried, char next) {
    return DecodeCp932(std::string{static_cast<char>(carried), next});
}

// Appends the first character of text, encoded, right after a carried lead byte. Its usual code must not make a
// pair with that byte, or the byte and the character would read back as another character; a character with
// several codes then takes one that does not. Answers the number of text bytes used, or 0 when the character
// cannot be encoded or cannot stand there (every code of it pairs with the byte, as after an edit that put it
// next to the byte); in the latter case formed is what the byte and its usual code would read back as.
size_t appendAfterCarriedLead(Converter& converter, unsigned char carried, std::string_view text, std::string& out,
                              std::string& formed) {
    const std::string character = firstCharacter(text);
    std::string_view in = character;
    std::string code;
    if (converter.convert(in, code) != 0 || code.empty())
        return 0;
    const TwoByteCodes& codes = twoByteCodes();
    if (codes.formPair(carried, static_cast<unsigned char>(code[0]))) {
        const std::string* apart = nullptr;
        if (const auto* duplicates = codes.duplicatesOf(character)) {
            const auto found = std::find_if(duplicates->begin(), duplicates->end(), [&](const std::string& other) {
                return !codes.formPair(carried, static_cast<unsigned char>(other[0]));
            });
            apart = found == duplicates->end() ? nullptr : &*found;
        }
        if (!apart) {
            formed = pairOf(carried, code[0]);
            return 0;
        }
        code = *apart;
    }
    out += code;
    return character.size();
}

} // namespace

std::string DecodeCp932(std::string_view bytes) {
    // Code page 932 keeps every byte below 0x80 as it is, 0x5C and 0x7E included: plain ASCII needs no converter.
    if (std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(bytes);
    Converter converter("UTF-8", "CP932");
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    while (!bytes.empty()) {
        if (converter.convert(bytes, out) == 0)
            break;
        appendEscapedByte(out, static_cast<unsigned char>(bytes.front()));
        bytes.remove_prefix(1);
    }
    return out;
}

namespace {

// Encodes text into out, turning escaped bytes back into their bytes; each character that cannot be encoded, or
// cannot follow the escaped byte before it (nor can an escaped byte that would pair with it), is skipped and, when
// bad is given, recorded with its offset.
void encodeInto(std::string_view text, std::string& out, std::vector<UnencodableCharacter>* bad) {
    Converter converter("CP932", "UTF-8");
    const char* const begin = text.data();
    auto skip = [&](std::string_view& run, int strayByte = -1, std::string formed = {}) {
        const std::string character = firstCharacter(run);
        if (bad)
            bad->push_back({character, static_cast<size_t>(run.data() - begin), strayByte, std::move(formed)});
        run.remove_prefix(character.size());
    };
    int carried = -1; // the byte just put back, while the text goes on right after it
    while (!text.empty()) {
        // Convert the run up to the next escaped byte in one call, then put the byte back.
        size_t runEnd = 0;
        while ((runEnd = text.find('\xED', runEnd)) != std::string_view::npos && !isEscapedByte(text, runEnd))
            ++runEnd;
        if (runEnd == std::string_view::npos)
            runEnd = text.size();
        std::string_view run = text.substr(0, runEnd);
        if (carried >= 0 && !run.empty()) {
            std::string formed;
            if (const size_t used =
                    appendAfterCarriedLead(converter, static_cast<unsigned char>(carried), run, out, formed))
                run.remove_prefix(used);
            else
                skip(run, formed.empty() ? -1 : carried, formed);
        }
        while (converter.convert(run, out) != 0)
            skip(run);
        text.remove_prefix(runEnd);
        if (runEnd > 0)
            carried = -1;
        if (text.empty())
            break;
        std::string_view escape = text.substr(0, 3);
        text.remove_prefix(3);
        // Two carried bytes an edit put side by side must not read back as one character either.
        const unsigned char byte = escapedByte(escape);
        if (carried >= 0 && twoByteCodes().formPair(static_cast<unsigned char>(carried), byte)) {
            skip(escape, carried, pairOf(static_cast<unsigned char>(carried), static_cast<char>(byte)));
            continue;
        }
        out += static_cast<char>(byte);
        carried = byte;
    }
}

} // namespace

Result<std::string> EncodeCp932(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::vector<UnencodableCharacter> bad;
    encodeInto(text, out, &bad);
    if (bad.empty())
        return out;
    return Failure{UnencodableMessage(bad)};
}

std::vector<UnencodableCharacter> FindUnencodableCharacters(std::string_view text) {
    std::string out;
    std::vector<UnencodableCharacter> bad;
    encodeInto(text, out, &bad);
    return bad;
}

std::string UnencodableMessage(const std::vector<UnencodableCharacter>& characters) {
    std::vector<std::string> named;
    std::string unheld;
    std::string paired;
    for (const auto& character : characters) {
        std::string text = "「" + character.character + "」";
        if (character.strayByte >= 0) {
            if (isEscapedByte(character.character, 0))
                text = "バイト " + hexOf(escapedByte(character.character)) + " ";
            text += "は直前のバイト " + hexOf(static_cast<unsigned char>(character.strayByte)) + " と合わせて「" +
                    character.formed + "」と読まれるため保存できません。";
        }
        if (std::find(named.begin(), named.end(), text) != named.end())
            continue;
        named.push_back(text);
        (character.strayByte >= 0 ? paired : unheld) += text;
    }
    return (unheld.empty() ? "" : unheld + "はシフトJISで保存できない文字です。") + paired;
}

std::string PrintableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        if (isEscapedByte(text, pos)) {
            out += hexOf(escapedByte(text.substr(pos)));
            pos += 3;
        } else if (const size_t length = text[pos] == '\0' ? 0 : validCharacterLength(text, pos); length > 0) {
            out += text.substr(pos, length);
            pos += length;
        } else {
            out += hexOf(static_cast<unsigned char>(text[pos++]));
        }
    }
    return out;
}

} // namespace rekko
