// SPDX-License-Identifier: GPL-3.0-or-later
// The periodic terms of the Earth's heliocentric coordinates (VSOP87D, truncated).
#pragma once

#include <array>
#include <span>

namespace rekko::oldcal {

// One term A cos(B + C tau): A in units of 1e-8 (radians or astronomical units), B in radians, C in radians per
// Julian millennium.
struct VsopTerm {
    double amplitude;
    double phase;
    double frequency;
};

// A coordinate as a power series in tau: element i holds the terms multiplied by tau^i.
using VsopSeries = std::span<const std::span<const VsopTerm>>;

// Heliocentric ecliptic longitude L, latitude B (radians) and radius vector R (au) of the Earth, referred to the
// mean dynamical ecliptic and equinox of the date.
VsopSeries earthLongitudeSeries();
VsopSeries earthLatitudeSeries();
VsopSeries earthRadiusSeries();

// Returns the value of a series for tau Julian millennia (TT) from J2000.0.
double evaluateVsop(VsopSeries series, double tau);

} // namespace rekko::oldcal
