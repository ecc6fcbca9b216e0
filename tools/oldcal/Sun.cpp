// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun's apparent longitude from the Earth's VSOP87D coordinates (Meeus, chapters 22, 25 and 32).
#include "Sun.h"

#include "Angles.h"
#include "EarthTerms.h"
#include "Nutation.h"

#include <cmath>

namespace rekko::oldcal {

double apparentSolarLongitude(double jde) {
    const double tau = (jde - kJ2000) / 365250.0;
    const double earthLongitude = degrees(evaluateVsop(earthLongitudeSeries(), tau));
    const double radius = evaluateVsop(earthRadiusSeries(), tau);
    // Geometric longitude of the Sun seen from the Earth's centre.
    double longitude = earthLongitude + 180.0;
    // VSOP87 to FK5: the latitude-dependent part of the correction stays below 1e-6" for the Sun and is left out.
    longitude -= 0.09033 / 3600.0;
    longitude += nutationInLongitude(jde) / 3600.0;
    // Annual aberration, with the radius vector in astronomical units.
    longitude -= 20.4898 / (3600.0 * radius);
    return reduceDegrees(longitude);
}

double solarLongitudeMoment(double longitude, double guess) {
    // The Sun moves about 360 degrees in a tropical year; Newton steps with that rate converge in a few rounds.
    constexpr double kDaysPerDegree = 365.2422 / 360.0;
    double jde = guess;
    for (int round = 0; round < 20; ++round) {
        const double step = signedDegrees(longitude - apparentSolarLongitude(jde)) * kDaysPerDegree;
        jde += step;
        if (std::abs(step) < 1e-6)
            break;
    }
    return jde;
}

} // namespace rekko::oldcal
