// SPDX-License-Identifier: GPL-3.0-or-later
// The difference between terrestrial and universal time, and the conversion of ephemeris dates to Japan time.
#pragma once

namespace rekko::oldcal {

// Returns TT - UT in seconds for a decimal year, by the polynomials of Espenak and Meeus (1860 to 2150, and the
// long-term parabola outside that span).
double deltaTSeconds(double year);

// Returns the decimal year of a Julian date.
double decimalYear(double jd);

// Converts a Julian ephemeris date (TT) to a Julian date on the clock of Japan Standard Time (UT + 9 h).
double ephemerisToJst(double jde);

} // namespace rekko::oldcal
