// SPDX-License-Identifier: GPL-3.0-or-later
// The small month calendar's geometry: hit test, ruled lines near the edges, and today's mark.
#include "controls/SmallCalendar.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rekko {
namespace {

TEST(SmallCalendarGeometry, EveryPixelHitsTheCellDrawnThere) {
    // The plain division (x div (184 div 7) = x div 26) gives column 7 from x = 182 and row 7 from y = 119.
    const SmallCalendarGeometry geometry(184, 125, 7);
    for (int x = 0; x < 184; ++x)
        for (int y = 0; y < 125; ++y) {
            const GridHit hit = geometry.hitTest(x, y);
            const GridRect cell = geometry.cellRect(hit.column, hit.row);
            ASSERT_TRUE(x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom) << x << "," << y;
        }
    EXPECT_EQ(std::pair(geometry.hitTest(-3, 400).row, geometry.hitTest(900, -1).column), std::pair(6, 6));
    EXPECT_EQ(SmallCalendarGeometry(0, 0, 7).hitTest(5, 5).row, 0);
}

TEST(SmallCalendarGeometry, KeisenLeavesOutTheOuterEdges) {
    const SmallCalendarGeometry geometry(184, 125, 7);
    const auto lastColumn = geometry.keisen(geometry.cellRect(6, 2)),
               lastRow = geometry.keisen(geometry.cellRect(1, 6));
    EXPECT_EQ(std::tuple(lastColumn.bottom, lastRow.right, lastColumn.right, lastRow.bottom),
              std::tuple(true, true, false, false));
    // A cell whose edge lies within 4 pixels of the control's edge gets no line there.
    const SmallCalendarGeometry narrow(24, 125, 7);
    EXPECT_FALSE(narrow.keisen(narrow.cellRect(5, 1)).right); // its right edge, 20, is 4 pixels from 24
    EXPECT_TRUE(narrow.keisen(narrow.cellRect(4, 1)).right);
}

// Today is marked only in the calendar of its own month, not where it shows as a neighbouring month's day.
TEST(SmallCalendar, TodayOnlyInItsOwnMonth) {
    SmallCalendar may(EncodeJuliusDay(2026, 6, 1), SeMCalendarOptions());
    may.setJuliusDay(EncodeJuliusDay(2026, 5, 1));
    may.layout();
    EXPECT_EQ(may.cell(EncodeJuliusDay(2026, 6, 1) - may.firstVisibleDay()).mark, SmallCellMark::None);
}

} // namespace
} // namespace rekko
