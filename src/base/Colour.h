// SPDX-License-Identifier: GPL-3.0-or-later
// Colour values (0x00BBGGRR, system colours 0x80000000 + n, none 0x1FFFFFFF) and their text form in files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clWindow = clSystemColor + 5;
constexpr TColor clWindowText = clSystemColor + 8;
constexpr TColor clBtnFace = clSystemColor + 15;
constexpr TColor clNone = 0x1FFFFFFF;

// Returns the colour's name ("clRed", "clBtnFace", "clNone"...) or "$" with eight upper-case hex digits.
std::string ColorToString(TColor color);

// Reads a colour name (any letter case) or an integer, decimal or hexadecimal after "$";
// answers nothing for text that is neither.
std::optional<TColor> StringToColor(std::string_view text);

} // namespace rekko
