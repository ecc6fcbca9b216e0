// SPDX-License-Identifier: GPL-3.0-or-later
// The analogue clock's geometry: dial centre and radii, the 60 dots, where the hour numbers sit, the three hands.
#pragma once

#include <array>
#include <optional>

namespace rekko {

struct ClockPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const ClockPoint&, const ClockPoint&) = default;
};

// One dot of the ring, centred on a whole pixel, drawn as a filled circle of the given half-size.
struct ClockDot {
    int x = 0;
    int y = 0;
    int halfSize = 1;
};

// Which edge of an hour number's text box rests on its anchor: the left (top) edge, the middle, the right (bottom).
enum class TextEdge { Start, Middle, End };

struct ClockNumber {
    int number = 12;
    ClockPoint anchor;
    TextEdge horizontal = TextEdge::Middle;
    TextEdge vertical = TextEdge::Middle;
};

// A hand runs from its tail, behind the centre, to its tip.
struct ClockHand {
    ClockPoint tail;
    ClockPoint tip;
};

struct ClockReading {
    int hour = 10;
    int minute = 10;
    int second = 30;
};

struct ClockFace {
    ClockPoint centre;
    int rx = 0;
    int ry = 0;
    std::array<ClockDot, 60> dots{};
    std::array<ClockNumber, 12> numbers{}; // numbers[0] is 12 at the top, then 1 to 11 clockwise
    ClockHand hourHand;
    ClockHand minuteHand;
    ClockHand secondHand;
};

// Returns the direction of dial position n (sixtieths of a turn, 0 at the top, clockwise) in radians, counted
// counter-clockwise from the positive x axis: (2.5 - n / 30) * pi.
double DialAngle(double position);

// Lays out the dial of a control of width x height pixels whose dot ring keeps margin pixels from its edges: the dots
// on the ellipse (half-size 3 every quarter, 2 every five, else 1), the hour numbers touching their dots from the
// inner or outer side, and the hands (hour 0.6, minute 0.9, second 0.85 of the shorter radius, each starting 0.15 of
// its length behind the centre). Answers nothing when a radius would not be positive (a control narrower or lower
// than about twice its margin), so such a control draws no dial.
std::optional<ClockFace> LayoutClockFace(int width, int height, int margin, bool innerNumbers,
                                         const ClockReading& time);

} // namespace rekko
