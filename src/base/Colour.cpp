// SPDX-License-Identifier: GPL-3.0-or-later
// Colour names and the text form of colour values.
#include "Colour.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace rekko {

namespace {

struct NamedColor {
    TColor value;
    std::string_view name;
};

constexpr std::array<NamedColor, 42> kNamedColors = {{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {clSystemColor + 0, "clScrollBar"},
    {clSystemColor + 1, "clBackground"},
    {clSystemColor + 2, "clActiveCaption"},
    {clSystemColor + 3, "clInactiveCaption"},
    {clSystemColor + 4, "clMenu"},
    {clSystemColor + 5, "clWindow"},
    {clSystemColor + 6, "clWindowFrame"},
    {clSystemColor + 7, "clMenuText"},
    {clSystemColor + 8, "clWindowText"},
    {clSystemColor + 9, "clCaptionText"},
    {clSystemColor + 10, "clActiveBorder"},
    {clSystemColor + 11, "clInactiveBorder"},
    {clSystemColor + 12, "clAppWorkSpace"},
    {clSystemColor + 13, "clHighlight"},
    {clSystemColor + 14, "clHighlightText"},
    {clSystemColor + 15, "clBtnFace"},
    {clSystemColor + 16, "clBtnShadow"},
    {clSystemColor + 17, "clGrayText"},
    {clSystemColor + 18, "clBtnText"},
    {clSystemColor + 19, "clInactiveCaptionText"},
    {clSystemColor + 20, "clBtnHighlight"},
    {clSystemColor + 21, "cl3DDkShadow"},
    {clSystemColor + 22, "cl3DLight"},
    {clSystemColor + 23, "clInfoText"},
    {clSystemColor + 24, "clInfoBk"},
    {clNone, "clNone"},
}};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Parses the whole text as an integer in the given base; the value wraps to 32 bits like a signed integer would.
std::optional<TColor> parseInteger(std::string_view text, int base) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFFFFFFu)
        return std::nullopt;
    if (base == 10 && value > (negative ? 0x80000000u : 0x7FFFFFFFu))
        return std::nullopt;
    const auto bits = static_cast<uint32_t>(value);
    return negative ? static_cast<TColor>(0u - bits) : bits;
}

} // namespace

std::string ColorToString(TColor color) {
    for (const auto& named : kNamedColors)
        if (named.value == color)
            return std::string(named.name);
    char text[12];
    std::snprintf(text, sizeof text, "$%.8X", color);
    return text;
}

std::optional<TColor> StringToColor(std::string_view text) {
    for (const auto& named : kNamedColors)
        if (equalsIgnoringCase(named.name, text))
            return named.value;
    if (!text.empty() && text.front() == '$')
        return parseInteger(text.substr(1), 16);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return parseInteger(text.substr(2), 16);
    return parseInteger(text, 10);
}

} // namespace rekko
