// SPDX-License-Identifier: GPL-3.0-or-later
// Angle units and reduction shared by the astronomical series of the old-calendar generator.
#pragma once

#include <cmath>
#include <numbers>

namespace rekko::oldcal {

// Julian ephemeris date of the epoch J2000.0.
inline constexpr double kJ2000 = 2451545.0;

inline double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

inline double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

// Reduces an angle in degrees to 0 <= a < 360.
inline double reduceDegrees(double a) {
    const double r = std::fmod(a, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// Reduces an angle difference in degrees to -180 <= d < 180.
inline double signedDegrees(double d) {
    return reduceDegrees(d + 180.0) - 180.0;
}

} // namespace rekko::oldcal
