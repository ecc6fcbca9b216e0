// Keeping one attribute per editor line while lines are added, joined, cut and pasted; the colour commands.
#include "schedule/AttributeTracker.h"
#include "schedule/LineColours.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

LineAttribute coloured(TColor colour) {
    LineAttribute attribute;
    attribute.setColour(colour);
    return attribute;
}

std::vector<TColor> coloursOf(const AttributeTracker& tracker) {
    std::vector<TColor> colours;
    for (const auto& attribute : tracker.attributes())
        colours.push_back(attribute.colour);
    return colours;
}

class Tracker : public ::testing::Test {
protected:
    // Three lines: red, blue, teal; caret at row 1.
    Tracker() { tracker.reset({coloured(clRed), coloured(clBlue), coloured(0x808000)}, 1, 0); }
    AttributeTracker tracker;
};

TEST_F(Tracker, EnterAtTheStartOfALineKeepsItsColourOnTheMovedLine) {
    EXPECT_TRUE(tracker.textChanged(4, 2, 0));
    EXPECT_EQ(coloursOf(tracker), (std::vector<TColor>{clRed, clWindowText, clBlue, 0x808000}));
}

TEST_F(Tracker, EnterInsideALineGivesTheNewLineTheStandardColour) {
    tracker.caretMoved(1, 3, nullptr);
    EXPECT_TRUE(tracker.textChanged(4, 2, 0));
    EXPECT_EQ(coloursOf(tracker), (std::vector<TColor>{clRed, clBlue, clWindowText, 0x808000}));
}

TEST_F(Tracker, PastingSeveralLinesInsertsAfterTheCaretRow) {
    tracker.caretMoved(0, 2, nullptr);
    tracker.pasting();
    EXPECT_TRUE(tracker.textChanged(6, 3, 1));
    EXPECT_EQ(coloursOf(tracker),
              (std::vector<TColor>{clRed, clWindowText, clWindowText, clWindowText, clBlue, 0x808000}));
}

TEST_F(Tracker, BackspaceOntoAnEmptyLineKeepsTheMovedLinesColour) {
    tracker.reset({coloured(clRed), LineAttribute{}, coloured(clBlue)}, 2, 0);
    tracker.backspacing(2, 0, true);
    EXPECT_TRUE(tracker.textChanged(2, 1, 0));
    EXPECT_EQ(coloursOf(tracker), (std::vector<TColor>{clRed, clBlue}));
}

TEST_F(Tracker, BackspaceOntoATextLineDropsTheJoinedLinesColour) {
    tracker.caretMoved(2, 0, nullptr);
    tracker.backspacing(2, 0, false);
    EXPECT_TRUE(tracker.textChanged(2, 1, 5));
    EXPECT_EQ(coloursOf(tracker), (std::vector<TColor>{clRed, clBlue}));
}

TEST_F(Tracker, DeletingASelectionRemovesFromItsFirstWholeRow) {
    const TextSelection fromMiddle{0, 2, 3, 1};
    tracker.caretMoved(2, 1, &fromMiddle);
    EXPECT_TRUE(tracker.textChanged(1, 0, 3));
    EXPECT_EQ(coloursOf(tracker), (std::vector<TColor>{clRed}));

    tracker.reset({coloured(clRed), coloured(clBlue), coloured(0x808000)}, 0, 0);
    const TextSelection wholeRows{0, 1, 0, 5};
    tracker.cutting(wholeRows);
    EXPECT_TRUE(tracker.textChanged(2, 0, 0));
    EXPECT_EQ(coloursOf(tracker), (std::vector<TColor>{clBlue, 0x808000}));
}

TEST_F(Tracker, ReportsWhenTheListFallsOutOfStep) {
    // Two lines gone with the caret on the last row and no selection remembered: only one attribute can go
    // from there, so the counts disagree and the edit must be cancelled.
    tracker.caretMoved(2, 4, nullptr);
    EXPECT_FALSE(tracker.textChanged(1, 0, 4));
    EXPECT_EQ(tracker.attributes().size(), 2u);
}

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
