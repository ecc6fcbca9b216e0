// SPDX-License-Identifier: GPL-3.0-or-later
// The analogue clock's dots on an oblong dial, and no dial where there is no room for one.
#include "controls/ClockGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

namespace rekko {
namespace {

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

// A control too narrow or too low for a positive radius draws no dial, so nothing divides by a zero radius.
TEST(ClockGeometry, NoDialWithoutAPositiveRadius) {
    EXPECT_FALSE(LayoutClockFace(20, 150, 10, true, {}));
    EXPECT_FALSE(LayoutClockFace(150, 20, 10, true, {}));
    EXPECT_TRUE(LayoutClockFace(22, 22, 10, true, {}));
}

} // namespace
} // namespace rekko
