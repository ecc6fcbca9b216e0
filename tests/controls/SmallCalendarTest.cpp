// SPDX-License-Identifier: GPL-3.0-or-later
// The small month calendar's model: a hit test that hits what is drawn, ruled-line edges and today's mark; the
// widget test drives its clicks and keys.
#include "controls/SmallCalendar.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

int32_t jd(int32_t y, int m, int d) {
    return EncodeJuliusDay(y, m, d);
}

TEST(SmallCalendarGeometry, EveryPixelHitsTheCellDrawnThere) {
    // The plain division (x div (184 div 7) = x div 26) gives column 7 from x = 182 and row 7 from y = 119.
    const SmallCalendarGeometry geometry(184, 125, 7);
    for (int x = 0; x < 184; ++x) {
        for (int y = 0; y < 125; ++y) {
            const GridHit hit = geometry.hitTest(x, y);
            const GridRect cell = geometry.cellRect(hit.column, hit.row);
            ASSERT_TRUE(x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom) << x << "," << y;
        }
    }
    EXPECT_EQ(geometry.hitTest(-3, 400).row, 6);
    EXPECT_EQ(geometry.hitTest(900, -1).column, 6);
    EXPECT_EQ(SmallCalendarGeometry(0, 0, 7).hitTest(5, 5).row, 0);
}

TEST(SmallCalendarGeometry, KeisenLeavesOutTheOuterEdges) {
    // Inner and corner cells are checked in the widget's pixels.
    const SmallCalendarGeometry geometry(184, 125, 7);
    EXPECT_TRUE(geometry.keisen(geometry.cellRect(6, 2)).bottom);
    EXPECT_TRUE(geometry.keisen(geometry.cellRect(1, 6)).right);
    // A cell whose edge lies within 4 pixels of the control's edge gets no line there.
    const SmallCalendarGeometry narrow(24, 125, 7);
    EXPECT_FALSE(narrow.keisen(narrow.cellRect(5, 1)).right); // its right edge, 20, is 4 pixels from 24
    EXPECT_TRUE(narrow.keisen(narrow.cellRect(4, 1)).right);
}

TEST(SmallCalendar, FirstVisibleDayAndTodayOnlyInItsOwnMonth) {
    SmallCalendar calendar(jd(2026, 5, 20), SeMCalendarOptions());
    calendar.setJuliusDay(jd(2026, 5, 1));
    calendar.setClientSize(184, 125);
    calendar.layout();
    EXPECT_EQ(calendar.rowCount(), 7);
    // 2026-05-01 is a Friday: the first row starts on Sunday 26 April.
    EXPECT_EQ(calendar.firstVisibleDay(), jd(2026, 4, 26));
    // Today is marked only in the calendar of its own month.
    SmallCalendar june(jd(2026, 6, 1), SeMCalendarOptions());
    june.setJuliusDay(jd(2026, 5, 1));
    june.layout();
    EXPECT_EQ(june.cell(jd(2026, 6, 1) - june.firstVisibleDay()).mark, SmallCellMark::None);
}

} // namespace
} // namespace rekko
