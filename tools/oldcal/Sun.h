// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun's apparent geocentric ecliptic longitude, and the moments it reaches a given longitude.
#pragma once

namespace rekko::oldcal {

// Returns the Sun's apparent longitude in degrees (0 <= l < 360) for a Julian ephemeris date: VSOP87D terms,
// conversion to the FK5 frame, nutation in longitude and annual aberration.
double apparentSolarLongitude(double jde);

// Returns the Julian ephemeris date, within about a tenth of a second, at which the apparent longitude equals
// `longitude` degrees, searching from `guess` (which must lie within a few weeks of the answer).
double solarLongitudeMoment(double longitude, double guess);

} // namespace rekko::oldcal
