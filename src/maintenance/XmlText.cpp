// SPDX-License-Identifier: GPL-3.0-or-later
// Text made fit for an XML document.
#include "XmlText.h"

#include <cstdint>

namespace rekko {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool XmlCanHold(uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Returns the length of the well-formed UTF-8 sequence at the start of the text and its code point (surrogates
// included, as the escapes are written so), or 0 when the first byte starts none.
size_t DecodeOne(std::string_view text, uint32_t& code) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(0);
    size_t length = 0;
    uint32_t min = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1Fu;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0Fu;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07u;
        min = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    return code < min || code > 0x10FFFF ? 0 : length;
}

} // namespace

XmlText MakeXmlText(std::string_view text) {
    XmlText result;
    result.text.reserve(text.size());
    while (!text.empty()) {
        uint32_t code = 0;
        const size_t length = DecodeOne(text, code);
        if (length == 0 || !XmlCanHold(code)) {
            result.text += kReplacement;
            ++result.replaced;
            text.remove_prefix(length == 0 ? 1 : length);
            continue;
        }
        result.text += text.substr(0, length);
        text.remove_prefix(length);
    }
    return result;
}

} // namespace rekko
