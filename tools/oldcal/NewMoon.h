// SPDX-License-Identifier: GPL-3.0-or-later
// Moments of true new moon.
#pragma once

namespace rekko::oldcal {

// Returns the Julian ephemeris date of new moon number k, counted from the new moon of 2000-01-06 (k = 0);
// negative k lie before it.
double newMoonMoment(int k);

// Returns the number of the last new moon at or before a Julian ephemeris date.
int newMoonNumberAtOrBefore(double jde);

} // namespace rekko::oldcal
