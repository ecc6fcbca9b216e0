// SPDX-License-Identifier: GPL-3.0-or-later
// Nutation in longitude after the IAU 1980 theory.
#pragma once

namespace rekko::oldcal {

// Returns the nutation in longitude, in arcseconds, for a Julian ephemeris date.
double nutationInLongitude(double jde);

} // namespace rekko::oldcal
