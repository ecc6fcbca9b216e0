// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's row pitch and hit test, including clients whose width is no multiple of 7.
#include "controls/GridGeometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rekko {
namespace {

TEST(GridGeometry, HeightForPitchIsTheSmallestThatGivesIt) {
    for (const bool selfSize : {true, false})
        for (const int rows : {6, 7})
            for (const int pitch : {10, 83, 95, 113}) {
                const int height = GridGeometry::HeightForPitch(pitch, rows, selfSize);
                EXPECT_GE(GridGeometry(700, height, rows, selfSize).rowPitch(), pitch) << pitch;
                EXPECT_LT(GridGeometry(700, height - 1, rows, selfSize).rowPitch(), pitch) << pitch;
            }
}

// Wider line bands from bigger fonts move the lines with them.
TEST(GridGeometry, LineBandsFollowTheFonts) {
    const GridRect cell = GridGeometry(840, 600, 7, true).cellRect(3, 2);
    const GridGeometry wide(840, 600, 7, true, CellMetrics{30, 20});
    const auto line = [&](int y) { return wide.hitTest(cell.left, cell.top + y).line; };
    EXPECT_EQ(std::tuple(line(29), line(30 + 20 * 2), line(30 + 20 * 2 - 1)), std::tuple(9, 3, 2));
}

TEST(GridGeometry, EveryPointHitsADrawnCell) {
    // 845 / 7 = 120 pixels per column by the plain division, which would put x = 840..844 in an eighth column.
    const GridGeometry geometry(845, 600, 7, true);
    for (int x = 0; x < 845; ++x) {
        const GridHit hit = geometry.hitTest(x, 300);
        const GridRect cell = geometry.cellRect(hit.column, hit.row);
        ASSERT_TRUE(x >= cell.left && x < cell.right) << x;
    }
    for (int y = 25; y < 600; ++y) {
        const GridHit hit = geometry.hitTest(10, y);
        ASSERT_TRUE(hit.row >= 1 && hit.row <= 6) << y;
        const GridRect cell = geometry.cellRect(0, hit.row);
        ASSERT_TRUE(y >= cell.top && (y < cell.bottom || hit.row == 6)) << y;
    }
    // Points outside the client, as while the mouse is captured, count as the nearest cell.
    EXPECT_EQ(geometry.hitTest(-5, -5).row, 0);
    EXPECT_EQ(std::pair(geometry.hitTest(2000, 2000).column, geometry.hitTest(2000, 2000).row), std::pair(6, 6));
    // A client too small for its rows neither divides by zero nor hits outside the table.
    const GridHit tiny = GridGeometry(3, 4, 7, true).hitTest(2, 3);
    EXPECT_TRUE(tiny.column <= 6 && tiny.row <= 6) << tiny.column << "," << tiny.row;
    EXPECT_EQ(GridGeometry(0, 0, 7, false).hitTest(0, 0).column, 0);
}

} // namespace
} // namespace rekko
