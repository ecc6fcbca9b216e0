// SPDX-License-Identifier: GPL-3.0-or-later
// The three-way merges of month files and files of records: days by their field 0, headers, the order of the result,
// multisets of lines and a disk cut short.
#include "book/LineMerge.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

constexpr std::string_view H = " 0,0,9,2024/ 5";
constexpr std::string_view A = " 3,1,,a,,,,,,", B = " 3,2,,b,,,,,,", C = " 3,3,,c,,,,,,", D = " 3,3,,d,,,,,,";
constexpr std::string_view E = " 5,1,,e,,,,,,", F = " 5,1,,f,,,,,,", G = "17,1,,g,,,,,,";

TEST(MonthMerge, ALineAddedToTheSameDayOnBothSidesFollowsTheirs) {
    const MergeResult merged = MergeMonthLines({H, A, B}, {H, A, B, C}, {H, A, B, D});
    EXPECT_EQ(merged.lines, (ByteLines{H, A, B, D, C}));
    EXPECT_EQ(merged.report.daysFromBoth, std::vector<int>{3});
    EXPECT_EQ(merged.report.describe("Ca202405.myc"),
              "Ca202405.myc: 両方で変更された日（3日）は両方の行を残しました。");
}

// Ours edited day 3 (its lines went to the end), theirs day 5: each side's day is kept, day 3 at the end.
TEST(MonthMerge, ADayChangedOnEachSideKeepsBoth) {
    const MergeResult merged = MergeMonthLines({H, A, E, G}, {H, E, G, B}, {H, A, G, F});
    EXPECT_EQ(merged.lines, (ByteLines{H, G, F, B}));
    EXPECT_EQ(merged.report.daysFromDisk, std::vector<int>{5});
    EXPECT_TRUE(merged.report.daysFromBoth.empty());
}

// A shell appended a line of day 3 after day 17; ours rewrote day 3 with a new line; the line ours removed goes.
TEST(MonthMerge, ADaySplitOnDiskIsGatheredAtTheEnd) {
    EXPECT_EQ(MergeMonthLines({H, A, G}, {H, G, A, C}, {H, A, G, B}).lines, (ByteLines{H, G, A, B, C}));
    EXPECT_EQ(MergeMonthLines({H, A, B, G}, {H, G, C}, {H, A, B, G, D}).lines, (ByteLines{H, G, D, C}));
}

TEST(MonthMerge, TheSameEditOnBothSidesIsNotDoubled) {
    EXPECT_EQ(MergeMonthLines({H, A, E}, {H, E, B}, {H, E, B, G}).lines, (ByteLines{H, E, B, G}));
    // The same line removed on both sides stays once when the base held it twice.
    EXPECT_EQ(MergeMonthLines({H, A, A, E}, {H, E, A}, {H, A, E, F}).lines, (ByteLines{H, A, E, F}));
}

// Theirs' header and lines of no day stand; ours' header comes first where theirs has none.
TEST(MonthMerge, HeadersAndLinesOfNoDay) {
    const std::string_view other = " 0,0,9,2024/05", note = "x,y";
    EXPECT_EQ(MergeMonthLines({H, A}, {H, A, B}, {other, A, note, E}).lines, (ByteLines{other, note, E, A, B}));
    EXPECT_EQ(MergeMonthLines({H, A}, {H, A, B}, {A, E}).lines, (ByteLines{H, E, A, B}));
}

TEST(MonthMerge, ADiskWithFewerThanHalfOfTheBaseLinesIsNotMergedFrom) {
    const MergeResult merged = MergeMonthLines({H, A, B, E, G}, {H, A, B, E, G, C}, {H, A});
    EXPECT_EQ(merged.lines, (ByteLines{H, A, B, E, G, C}));
    EXPECT_TRUE(merged.report.diskTooShort);
    EXPECT_FALSE(MergeMonthLines({H, A, B, E}, {H, A, B, E, C}, {H, A}).report.diskTooShort); // half is enough
}

constexpr std::string_view P = "***** FromTo予定";
constexpr std::string_view R1 = "2024, 5, 1,M,2024, 5, 2,E,2024, 5, 1,1,clRed,one";
constexpr std::string_view R1b = "2024, 5, 1,M,2024, 5, 2,E,2024, 5, 1,1,clBlue,one";
constexpr std::string_view R2 = "2024, 5, 9,M,2024, 5, 9,E,2024, 5, 9,1,clRed,two";
constexpr std::string_view R3 = "2024, 6, 1,M,2024, 6, 1,E,2024, 6, 1,1,clRed,three";

TEST(RecordMerge, RemovalsAndAdditionsOfBothSides) {
    const MergeResult merged = MergeRecordLines({P, R1, R2}, {P, R2, R3}, {P, R1, R2, R1b});
    EXPECT_EQ(merged.lines, (ByteLines{P, R2, R1b, R3}));
    EXPECT_EQ(merged.report.recordsFromDisk, 1u);
    EXPECT_EQ(merged.report.keptTwice, 0u);
    // A disk that lost its header gets ours in front.
    EXPECT_EQ(MergeRecordLines({P, R1}, {P, R1, R2}, {R1, R3}).lines, (ByteLines{P, R1, R3, R2}));
}

} // namespace
} // namespace rekko
