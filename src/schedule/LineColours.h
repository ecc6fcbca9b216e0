// SPDX-License-Identifier: GPL-3.0-or-later
// The text-colour commands of the day editor: fixed colours that toggle, the chosen colour, and the check marks.
#pragma once

#include "LineAttribute.h"

#include "base/Colour.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

// A range of selected text in the day editor, in rows and columns.
struct TextSelection {
    int startRow = 0;
    int endRow = 0;
    int startColumn = 0;
    int endColumn = 0;
};

// The fixed colours of the colour menu: red, blue, pink, blue-green, brown, standard.
inline constexpr std::array<TColor, 6> kFixedLineColours = {clRed, clBlue, clFuchsia, 0x808000, clMaroon, clWindowText};
// Their names in the colour menu, in the same order.
inline constexpr std::array<const char*, 6> kFixedLineColourNames = {"赤色", "青色", "ピンク",
                                                                     "青緑", "茶色", "標準色"};

// Returns the name a colour goes by: the menu's name of a fixed colour, else its colour text ("clNavy", "$00123456").
std::string LineColourName(TColor colour);

// The sixteen custom colours of the colour chooser, as 0x00BBGGRR values.
inline constexpr std::array<TColor, 16> kCustomColours = {0x484848, 0x008080, 0x305080, 0xff0000, 0x008000, 0x808000,
                                                          0x00ff00, 0xffff00, 0x0066ff, 0x0000ff, 0x7fff00, 0xd4ff7f,
                                                          0x98fb98, 0x998877, 0x696969, 0x000000};

// Gives lines a colour. With a selection every row from its start to its end row, leaving out the end row when
// the caret stands at column 0 of a row after the start. Without one the caret's row, where a fixed colour
// (chosen = false) that the row already has switches it back to the standard colour. Only the colour changes.
void ApplyLineColour(std::vector<LineAttribute>& attributes, const TextSelection* selection, int caretRow,
                     int caretColumn, TColor colour, bool chosen);

// Returns the colour whose menu entry is checked: the caret row's colour, none when a selection spans rows.
std::optional<TColor> CheckedLineColour(const std::vector<LineAttribute>& attributes, const TextSelection* selection,
                                        int caretRow);

} // namespace rekko
