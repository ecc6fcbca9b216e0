// SPDX-License-Identifier: GPL-3.0-or-later
// Dots, number anchors and hands of the analogue clock.
#include "ClockGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rekko {

namespace {

// Pixels between a dot's edge and the hour number beside it.
constexpr double kNumberGap = 2;
// Below this a direction's component counts as zero, so 12, 3, 6 and 9 are centred on their dots.
constexpr double kAxisTolerance = 1e-9;

// The distance from the centre to the ellipse with radii rx, ry in direction a.
double ellipseRadius(int rx, int ry, double a) {
    const double c = ry * std::cos(a);
    const double s = rx * std::sin(a);
    return rx * ry / std::sqrt(c * c + s * s);
}

ClockHand hand(const ClockPoint& centre, double length, double a) {
    const double dx = std::cos(a);
    const double dy = -std::sin(a);
    return {{centre.x - 0.15 * length * dx, centre.y - 0.15 * length * dy},
            {centre.x + length * dx, centre.y + length * dy}};
}

// The side of the text box that faces the dot: a number inside the ring lies towards the centre, outside away from it.
TextEdge edgeFacing(double component, bool inner) {
    if (std::fabs(component) < kAxisTolerance)
        return TextEdge::Middle;
    return (component > 0) == inner ? TextEdge::End : TextEdge::Start;
}

ClockNumber number(const ClockDot& dot, int n, double a, bool inner) {
    const double dx = std::cos(a);
    const double dy = -std::sin(a);
    const double reach = dot.halfSize + kNumberGap;
    const double toward = inner ? -1 : 1;
    ClockNumber placed;
    placed.number = n == 0 ? 12 : n / 5;
    placed.horizontal = edgeFacing(dx, inner);
    placed.vertical = edgeFacing(dy, inner);
    placed.anchor = {dot.x + (placed.horizontal == TextEdge::Middle ? 0 : toward * reach * (dx > 0 ? 1 : -1)),
                     dot.y + (placed.vertical == TextEdge::Middle ? 0 : toward * reach * (dy > 0 ? 1 : -1))};
    return placed;
}

} // namespace

double DialAngle(double position) {
    return (2.5 - position / 30) * std::numbers::pi;
}

std::optional<ClockFace> LayoutClockFace(int width, int height, int margin, bool innerNumbers,
                                         const ClockReading& time) {
    ClockFace face;
    const int cx = width / 2;
    const int cy = height / 2;
    face.centre = {static_cast<double>(cx), static_cast<double>(cy)};
    face.rx = cx - margin;
    face.ry = cy - margin;
    if (face.rx <= 0 || face.ry <= 0)
        return std::nullopt;

    for (int n = 0; n < 60; ++n) {
        const double a = DialAngle(n);
        const double r = ellipseRadius(face.rx, face.ry, a);
        ClockDot& dot = face.dots[static_cast<size_t>(n)];
        dot.x = cx + static_cast<int>(std::lround(r * std::cos(a)));
        dot.y = cy - static_cast<int>(std::lround(r * std::sin(a)));
        dot.halfSize = n % 15 == 0 ? 3 : n % 5 == 0 ? 2 : 1;
        if (n % 5 == 0)
            face.numbers[static_cast<size_t>(n / 5)] = number(dot, n, a, innerNumbers);
    }

    const double shorter = std::min(face.rx, face.ry);
    face.hourHand =
        hand(face.centre, 0.6 * shorter, (2.5 - (time.hour / 6.0 + time.minute / 360.0)) * std::numbers::pi);
    face.minuteHand = hand(face.centre, 0.9 * shorter, DialAngle(time.minute));
    face.secondHand = hand(face.centre, 0.85 * shorter, DialAngle(time.second));
    return face;
}

} // namespace rekko
