// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of the controls: the grid's row pitch and hit test (also in widths that are no multiple of 7), the
// small calendar's hit test, ruled lines and today's mark, and the analogue clock's dots on an oblong dial.
#include "controls/ClockGeometry.h"
#include "controls/GridGeometry.h"
#include "controls/RokuyoFit.h"
#include "controls/SmallCalendar.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
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

// Day and week steps count day numbers, so they pass over the ten days that do not exist; a month step onto one of
// them raises EJuliusError and leaves the date.
TEST(SmallCalendar, KeysAcrossTheReformGap) {
    const auto jd = EncodeJuliusDay;
    SmallCalendar calendar(jd(1582, 10, 4), SeMCalendarOptions());
    const auto after = [&calendar](int32_t from, SmallCalendar::Key key) {
        calendar.setJuliusDay(from);
        calendar.key(key);
        return calendar.JuliusDay();
    };
    EXPECT_EQ(after(jd(1582, 10, 4), SmallCalendar::Key::Right), jd(1582, 10, 15));
    EXPECT_EQ(after(jd(1582, 10, 15), SmallCalendar::Key::Left), jd(1582, 10, 4));
    EXPECT_EQ(after(jd(1582, 10, 1), SmallCalendar::Key::Down), jd(1582, 10, 18));
    EXPECT_EQ(after(jd(1582, 10, 18), SmallCalendar::Key::Up), jd(1582, 10, 1));
    EXPECT_EQ(after(jd(1582, 9, 30), SmallCalendar::Key::PageDown), jd(1582, 10, 30));
    EXPECT_EQ(after(jd(1582, 11, 4), SmallCalendar::Key::PageUp), jd(1582, 10, 4));
    EXPECT_EQ(after(jd(1582, 10, 31), SmallCalendar::Key::PageUp), jd(1582, 9, 30));
    for (const auto& [from, key] : {std::pair{jd(1582, 9, 5), SmallCalendar::Key::PageDown},
                                    std::pair{jd(1582, 11, 14), SmallCalendar::Key::PageUp}}) {
        calendar.setJuliusDay(from);
        EXPECT_THROW(calendar.key(key), EJuliusError);
        EXPECT_EQ(calendar.JuliusDay(), from);
    }
}

// Glyphs as square as the gothic faces', their lines an eighth higher, under 12 pixels of digit ink: in a calendar
// as large as the main window gives it the whole names fit between the numbers and the band, a pixel clear of both;
// in smaller ones only the first characters, and where even those leave the number no room, none.
TEST(RokuyoFit, NeighbouringNamesNeverTouch) {
    const auto square = [](int pixels) { return RokuyoFaceMetrics{pixels + pixels / 8, 2 * pixels, pixels}; };
    constexpr int number = 12;
    for (const auto& [width, height, pixels, whole] :
         {std::tuple{200, 189, 12, true}, std::tuple{120, 189, 12, false}, std::tuple{184, 125, 0, false}}) {
        const SmallCalendarGeometry geometry(width, height, 7);
        const RokuyoFace face = FitRokuyo(geometry, number, 13, square);
        EXPECT_EQ(std::pair(face.pixels, face.wholeName), std::pair(pixels, whole)) << width << "x" << height;
        for (int row = 1; row < 7; ++row)
            for (int column = 0; column < 7; ++column) {
                const GridRect cell = geometry.cellRect(column, row);
                const GridRect text = RokuyoTextRect(cell, face);
                EXPECT_TRUE(text.left - cell.left >= kRokuyoSideMargin && cell.right - text.right >= kRokuyoSideMargin)
                    << width << ": " << column << "," << row;
                if (whole) {
                    EXPECT_GE(RokuyoBand(cell, face).top - cell.top, number + 2) << column << "," << row;
                }
            }
    }
}

TEST(ClockGeometry, OblongDialPutsEveryDotOnTheEllipse) {
    const auto face = LayoutClockFace(200, 100, 10, true, {0, 0, 0});
    ASSERT_TRUE(face);
    EXPECT_EQ(std::tuple(face->rx, face->ry, face->dots[0].x, face->dots[0].y, face->dots[15].x, face->dots[15].y),
              std::tuple(90, 40, 100, 10, 190, 50));
    for (size_t n = 0; n < 60; ++n) {
        const ClockDot& dot = face->dots[n];
        const double dx = dot.x - 100.0;
        const double dy = dot.y - 50.0;
        // Rounding to whole pixels moves a dot by at most half a pixel in each direction.
        EXPECT_NEAR(std::hypot(dx / 90, dy / 40), 1.0, 0.5 / 40) << n;
        // And it stays in its own direction from the centre.
        const double a = DialAngle(static_cast<double>(n));
        EXPECT_NEAR(std::remainder(std::atan2(-dy, dx) - a, 2 * std::numbers::pi), 0, 0.03) << n;
    }
}

// At half past three the hour hand stands halfway between 3 and 4, the same in the afternoon; each hand is its share
// of the shorter radius long and starts 0.15 of that behind the centre.
TEST(ClockGeometry, HandsAtHalfPastThree) {
    const auto face = LayoutClockFace(200, 150, 10, true, {15, 30, 45});
    ASSERT_TRUE(face);
    const ClockPoint centre{100, 75};
    ASSERT_EQ(face->centre, centre);
    const auto direction = [&centre](const ClockPoint& p) { return std::atan2(centre.y - p.y, p.x - centre.x); };
    const auto length = [&centre](const ClockPoint& p) { return std::hypot(p.x - centre.x, p.y - centre.y); };
    const double shorter = 65; // the vertical radius of 150 - 2 * 10 pixels
    EXPECT_NEAR(direction(face->hourHand.tip), -std::numbers::pi / 12, 1e-9); // 15 degrees below 3 o'clock
    EXPECT_NEAR(length(face->hourHand.tip), 0.6 * shorter, 1e-9);
    EXPECT_NEAR(length(face->hourHand.tail), 0.15 * 0.6 * shorter, 1e-9);
    EXPECT_NEAR(direction(face->hourHand.tail), std::numbers::pi * 11 / 12, 1e-9);
    EXPECT_NEAR(direction(face->minuteHand.tip), -std::numbers::pi / 2, 1e-9);
    EXPECT_NEAR(length(face->minuteHand.tip), 0.9 * shorter, 1e-9);
    EXPECT_NEAR(direction(face->secondHand.tip), std::numbers::pi, 1e-9);
    EXPECT_NEAR(length(face->secondHand.tip), 0.85 * shorter, 1e-9);
    const auto morning = LayoutClockFace(200, 150, 10, true, {3, 30, 45});
    ASSERT_TRUE(morning);
    EXPECT_NEAR(direction(morning->hourHand.tip), direction(face->hourHand.tip), 1e-9);
}

// A control too narrow or too low for a positive radius draws no dial, so nothing divides by a zero radius.
TEST(ClockGeometry, NoDialWithoutAPositiveRadius) {
    EXPECT_FALSE(LayoutClockFace(20, 150, 10, true, {}));
    EXPECT_FALSE(LayoutClockFace(150, 20, 10, true, {}));
    EXPECT_TRUE(LayoutClockFace(22, 22, 10, true, {}));
}

} // namespace
} // namespace rekko
