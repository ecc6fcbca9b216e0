// SPDX-License-Identifier: GPL-3.0-or-later
// The colour commands of the day editor: toggling fixed colours, the chosen colour, selections and check marks.
#include "schedule/LineColours.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(LineColours, FixedColoursToggleAndChosenColoursStay) {
    std::vector<LineAttribute> lines(2);
    lines[0].unreadableColour = "junk";
    ApplyLineColour(lines, nullptr, 0, 0, clRed, false);
    EXPECT_EQ(lines[0].colour, clRed);
    EXPECT_TRUE(lines[0].unreadableColour.empty());
    ApplyLineColour(lines, nullptr, 0, 0, clRed, false);
    EXPECT_EQ(lines[0].colour, clWindowText);
    ApplyLineColour(lines, nullptr, 0, 0, clRed, true);
    ApplyLineColour(lines, nullptr, 0, 0, clRed, true);
    EXPECT_EQ(lines[0].colour, clRed);
    EXPECT_EQ(CheckedLineColour(lines, nullptr, 0), clRed);
    EXPECT_EQ(lines[1].colour, clWindowText);
}

TEST(LineColours, SelectionEndingAtALineStartLeavesThatLineOut) {
    std::vector<LineAttribute> lines(4);
    const TextSelection selection{0, 2, 1, 0};
    ApplyLineColour(lines, &selection, 2, 0, clBlue, false);
    EXPECT_EQ(lines[0].colour, clBlue);
    EXPECT_EQ(lines[1].colour, clBlue);
    EXPECT_EQ(lines[2].colour, clWindowText);
    ApplyLineColour(lines, &selection, 2, 3, clMaroon, false);
    EXPECT_EQ(lines[2].colour, clMaroon);
    EXPECT_EQ(lines[3].colour, clWindowText);
    EXPECT_FALSE(CheckedLineColour(lines, &selection, 2));
}

} // namespace
} // namespace rekko
