// SPDX-License-Identifier: GPL-3.0-or-later
// Delta T by the Espenak-Meeus polynomials ("Five Millennium Canon of Solar Eclipses", NASA/TP-2006-214141).
#include "DeltaT.h"

#include "Angles.h"

namespace rekko::oldcal {

namespace {

double longTermParabola(double year) {
    const double u = (year - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}

} // namespace

double deltaTSeconds(double y) {
    if (y < 1860.0 || y >= 2150.0)
        return longTermParabola(y);
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    // The linear term joins the parabola to the 2005-2050 branch at 2050 and vanishes at 2150.
    return longTermParabola(y) - 0.5628 * (2150.0 - y);
}

double decimalYear(double jd) {
    return 2000.0 + (jd - kJ2000) / 365.25;
}

double ephemerisToJst(double jde) {
    return jde - deltaTSeconds(decimalYear(jde)) / 86400.0 + 9.0 / 24.0;
}

} // namespace rekko::oldcal
