// SPDX-License-Identifier: GPL-3.0-or-later
// The colour commands of the day editor.
#include "LineColours.h"

#include <algorithm>

namespace rekko {

std::string LineColourName(TColor colour) {
    const auto fixed = std::find(kFixedLineColours.begin(), kFixedLineColours.end(), colour);
    if (fixed == kFixedLineColours.end())
        return ColorToString(colour);
    return kFixedLineColourNames[static_cast<size_t>(fixed - kFixedLineColours.begin())];
}

void ApplyLineColour(std::vector<LineAttribute>& attributes, const TextSelection* selection, int caretRow,
                     int caretColumn, TColor colour, bool chosen) {
    const int count = static_cast<int>(attributes.size());
    if (selection) {
        int last = selection->endRow;
        if (caretColumn == 0 && caretRow > selection->startRow && last > selection->startRow)
            --last;
        for (int row = std::max(selection->startRow, 0); row <= last && row < count; ++row)
            attributes[static_cast<size_t>(row)].setColour(colour);
        return;
    }
    if (caretRow < 0 || caretRow >= count)
        return;
    LineAttribute& attribute = attributes[static_cast<size_t>(caretRow)];
    attribute.setColour(!chosen && attribute.colour == colour ? clWindowText : colour);
}

std::optional<TColor> CheckedLineColour(const std::vector<LineAttribute>& attributes, const TextSelection* selection,
                                        int caretRow) {
    if (selection && selection->endRow != selection->startRow)
        return std::nullopt;
    if (caretRow < 0 || caretRow >= static_cast<int>(attributes.size()))
        return std::nullopt;
    return attributes[static_cast<size_t>(caretRow)].colour;
}

} // namespace rekko
