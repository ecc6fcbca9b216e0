// SPDX-License-Identifier: GPL-3.0-or-later
// The analogue clock's dots on an oblong dial, number anchors and hands.
#include "controls/ClockGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace rekko {
namespace {

double directionOf(const ClockHand& hand, const ClockPoint& centre) {
    return std::atan2(centre.y - hand.tip.y, hand.tip.x - centre.x);
}

double lengthOf(const ClockHand& hand, const ClockPoint& centre) {
    return std::hypot(hand.tip.x - centre.x, hand.tip.y - centre.y);
}

TEST(ClockGeometry, OblongDialPutsEveryDotOnTheEllipse) {
    const auto face = LayoutClockFace(200, 100, 10, true, {0, 0, 0});
    ASSERT_TRUE(face);
    EXPECT_EQ(face->rx, 90);
    EXPECT_EQ(face->ry, 40);
    EXPECT_EQ(face->dots[0].x, 100);
    EXPECT_EQ(face->dots[0].y, 10);
    EXPECT_EQ(face->dots[15].x, 190);
    EXPECT_EQ(face->dots[15].y, 50);
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

TEST(ClockGeometry, HandsFollowTheShorterRadius) {
    for (const auto& [width, height] : {std::pair{150, 150}, std::pair{200, 100}, std::pair{100, 300}}) {
        const auto face = LayoutClockFace(width, height, 10, true, {7, 20, 45});
        ASSERT_TRUE(face);
        const double shorter = std::min(face->rx, face->ry);
        EXPECT_NEAR(lengthOf(face->hourHand, face->centre), 0.6 * shorter, 1e-9) << width;
        EXPECT_NEAR(lengthOf(face->minuteHand, face->centre), 0.9 * shorter, 1e-9) << width;
        EXPECT_NEAR(lengthOf(face->secondHand, face->centre), 0.85 * shorter, 1e-9) << width;
        // Each tail lies 0.15 of the hand's length behind the centre.
        const ClockHand& minute = face->minuteHand;
        EXPECT_NEAR(minute.tail.x - face->centre.x, -0.15 * (minute.tip.x - face->centre.x), 1e-9);
        EXPECT_NEAR(minute.tail.y - face->centre.y, -0.15 * (minute.tip.y - face->centre.y), 1e-9);
    }
}

TEST(ClockGeometry, HandsPointAtTheirTime) {
    const auto face = LayoutClockFace(150, 150, 10, true, {15, 30, 45});
    ASSERT_TRUE(face);
    // 15:30 puts the hour hand halfway between 3 (0°) and 4 (-30°).
    EXPECT_NEAR(directionOf(face->hourHand, face->centre), -std::numbers::pi / 12, 1e-9);
    EXPECT_NEAR(face->minuteHand.tip.x, 75, 1e-9); // straight down
    EXPECT_GT(face->minuteHand.tip.y, 75);
}

TEST(ClockGeometry, NumbersTouchTheirDotsFromInsideOrOutside) {
    const auto inner = LayoutClockFace(150, 150, 10, true, {});
    const auto outer = LayoutClockFace(150, 150, 10, false, {});
    ASSERT_TRUE(inner && outer);
    const ClockNumber& twelve = inner->numbers[0];
    EXPECT_EQ(twelve.number, 12);
    EXPECT_EQ(twelve.horizontal, TextEdge::Middle);
    EXPECT_EQ(twelve.vertical, TextEdge::Start); // below the dot
    EXPECT_GT(twelve.anchor.y, 10 + 3);
    EXPECT_EQ(outer->numbers[0].vertical, TextEdge::End); // above it
    EXPECT_LT(outer->numbers[0].anchor.y, 10 - 3);
    // 1 o'clock inside: the text's top right corner touches the dot from below left.
    EXPECT_EQ(inner->numbers[1].horizontal, TextEdge::End);
    EXPECT_EQ(inner->numbers[1].vertical, TextEdge::Start);
    EXPECT_EQ(outer->numbers[1].horizontal, TextEdge::Start);
    EXPECT_EQ(outer->numbers[1].vertical, TextEdge::End);
}

} // namespace
} // namespace rekko
