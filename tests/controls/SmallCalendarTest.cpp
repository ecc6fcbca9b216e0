// SPDX-License-Identifier: GPL-3.0-or-later
// The small month calendar's model: equal-height cells, a hit test that hits what is drawn, ruled-line edges,
// the cells' days and marks, presses and keys.
#include "controls/SmallCalendar.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

int32_t jd(int32_t y, int m, int d) {
    return EncodeJuliusDay(y, m, d);
}

TEST(SmallCalendarGeometry, RowsAndColumnsOfTheYearPageCalendar) {
    // 184 x 125 with 7 rows: rows of 17 or 18 pixels (Trunc(125 * r / 7)), columns of 26 or 27.
    const SmallCalendarGeometry geometry(184, 125, 7);
    for (int r = 0; r < 7; ++r) {
        const GridRect cell = geometry.cellRect(0, r);
        EXPECT_EQ(cell.top, 125 * r / 7);
        EXPECT_TRUE(cell.height() == 17 || cell.height() == 18) << r;
    }
    for (int c = 0; c < 7; ++c) {
        const int width = geometry.cellRect(c, 1).width();
        EXPECT_TRUE(width == 26 || width == 27) << c;
    }
    EXPECT_EQ(geometry.cellRect(6, 6), (GridRect{157, 107, 184, 125}));
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
    const SmallCalendarGeometry geometry(184, 125, 7);
    const KeisenLines inner = geometry.keisen(geometry.cellRect(2, 3));
    EXPECT_TRUE(inner.right);
    EXPECT_TRUE(inner.bottom);
    EXPECT_EQ(inner.x, geometry.cellRect(3, 3).left - 1);
    EXPECT_EQ(inner.y, geometry.cellRect(2, 4).top - 1);
    const KeisenLines corner = geometry.keisen(geometry.cellRect(6, 6));
    EXPECT_FALSE(corner.right);
    EXPECT_FALSE(corner.bottom);
    EXPECT_TRUE(geometry.keisen(geometry.cellRect(6, 2)).bottom);
    EXPECT_TRUE(geometry.keisen(geometry.cellRect(1, 6)).right);
    // A cell whose edge lies within 4 pixels of the control's edge gets no line there.
    const SmallCalendarGeometry narrow(24, 125, 7);
    EXPECT_FALSE(narrow.keisen(narrow.cellRect(5, 1)).right); // its right edge, 20, is 4 pixels from 24
    EXPECT_TRUE(narrow.keisen(narrow.cellRect(4, 1)).right);
}

TEST(SmallCalendar, CellsAndTheirMarks) {
    SmallCalendar calendar(jd(2026, 5, 20), SeMCalendarOptions());
    calendar.setJuliusDay(jd(2026, 5, 1));
    calendar.setClientSize(184, 125);
    calendar.layout();
    EXPECT_EQ(calendar.rowCount(), 7);
    // 2026-05-01 is a Friday: the first row starts on Sunday 26 April.
    EXPECT_EQ(calendar.firstVisibleDay(), jd(2026, 4, 26));
    EXPECT_FALSE(calendar.cell(0).inMonth);
    EXPECT_TRUE(calendar.cell(5).inMonth);
    EXPECT_EQ(calendar.cell(0).font, DayFontKind::Sunday);
    EXPECT_EQ(calendar.cell(6).font, DayFontKind::Saturday);
    const int today = jd(2026, 5, 20) - jd(2026, 4, 26);
    EXPECT_EQ(calendar.cell(today).mark, SmallCellMark::Today);
    EXPECT_EQ(calendar.cell(5).mark, SmallCellMark::None);

    // With IsCursor the date is marked, and on today it wins over today's colour.
    SmallCalendarOptions cursor = SeMCalendarOptions();
    cursor.IsCursor = true;
    calendar.setOptions(cursor);
    calendar.layout();
    EXPECT_EQ(calendar.cell(5).mark, SmallCellMark::Cursor);
    calendar.setJuliusDay(jd(2026, 5, 20));
    calendar.layout();
    EXPECT_EQ(calendar.cell(today).mark, SmallCellMark::Cursor);

    // Today is marked only in the calendar of its own month.
    SmallCalendar june(jd(2026, 6, 1), SeMCalendarOptions());
    june.setJuliusDay(jd(2026, 5, 1));
    june.layout();
    EXPECT_EQ(june.cell(jd(2026, 6, 1) - june.firstVisibleDay()).mark, SmallCellMark::None);
}

TEST(SmallCalendar, PressesTakeDaysOfTheMonthAndNeighboursOnlyWithJump) {
    SmallCalendar calendar(jd(2026, 5, 20), SeMCalendarOptions());
    calendar.setJuliusDay(jd(2026, 5, 1));
    calendar.setClientSize(184, 125);
    calendar.layout();
    const SmallCalendarGeometry geometry = calendar.geometry();
    const GridRect may13 = geometry.cellRect(3, 3); // row 3: 10..16 May
    EXPECT_EQ(calendar.takenDay(may13.left + 1, may13.top + 1), jd(2026, 5, 13));
    // The bottom-right pixel is the last cell, Saturday 6 June, a neighbour's day.
    EXPECT_EQ(calendar.takenDay(183, 124), std::nullopt);
    EXPECT_EQ(calendar.takenDay(5, 5), std::nullopt); // the header
    SmallCalendarOptions jump = SeMCalendarOptions();
    jump.NeighborJump = true;
    calendar.setOptions(jump);
    EXPECT_EQ(calendar.takenDay(183, 124), jd(2026, 6, 6));
}

TEST(SmallCalendar, KeysMoveByDaysWeeksAndMonths) {
    SmallCalendar calendar(jd(2024, 1, 31));
    EXPECT_TRUE(calendar.key(SmallCalendar::Key::PageDown));
    EXPECT_EQ(calendar.JuliusDay(), jd(2024, 2, 29));
    calendar.setJuliusDay(jd(2023, 1, 31));
    calendar.key(SmallCalendar::Key::PageDown);
    EXPECT_EQ(calendar.JuliusDay(), jd(2023, 2, 28));
    calendar.key(SmallCalendar::Key::PageUp);
    EXPECT_EQ(calendar.JuliusDay(), jd(2023, 1, 28));
    calendar.key(SmallCalendar::Key::Down);
    EXPECT_EQ(calendar.JuliusDay(), jd(2023, 2, 4));
    calendar.key(SmallCalendar::Key::Up);
    calendar.key(SmallCalendar::Key::Left);
    EXPECT_EQ(calendar.JuliusDay(), jd(2023, 1, 27));
    calendar.key(SmallCalendar::Key::Right);
    EXPECT_EQ(calendar.JuliusDay(), jd(2023, 1, 28));
}

} // namespace
} // namespace rekko
