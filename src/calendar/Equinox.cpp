// SPDX-License-Identifier: GPL-3.0-or-later
// Equinox days: a short periodic series around the mean tropical year, evaluated in double precision.
#include "Equinox.h"

#include "Julius.h"

#include <cmath>
#include <numbers>

namespace rekko {

namespace {

double sinDegrees(double x) {
    return std::sin(x / 180.0 * std::numbers::pi);
}

// Every intermediate is stored in a double on purpose: the results depend on rounding at these steps.
int32_t equinoxDay(int32_t year, bool vernal) {
    const double y = static_cast<double>(year) - 2000.0;
    double a, b, c;
    if (vernal) {
        a = (sinDegrees(321 - 30.37 * y) + sinDegrees(0.19 * y + 249) + sinDegrees(202 - 132.57 * y) +
             sinDegrees(84 - 90.37 * y)) *
                0.002 -
            0.00004871850323926 * y;
        b = sinDegrees(132 - 134.81 * y) * 0.001 + a;
        c = sinDegrees(239 - 19.34 * y) * 0.005 + b;
    } else {
        a = (sinDegrees(485 - 30.37 * y) + sinDegrees(0.19 * y + 249) + sinDegrees(268.2 - 132.57 * y) +
             sinDegrees(309.2 - 90.37 * y)) *
                0.002 +
            0.00004871850323926 * y;
        b = sinDegrees(244.6 - 134.81 * y) * 0.001 + a;
        c = sinDegrees(248.6 - 19.34 * y) * 0.005 + b;
    }
    const double d = 0.0000001 * y * y - c;
    const double mean = vernal ? 365.24229 * y + 2451624.683 : 365.24206 * y + 2451811.096;
    return static_cast<int32_t>(std::trunc(mean + d));
}

bool isDay(int32_t jd, int month, int day) {
    const CalendarDate date = DecodeJuliusDay(jd);
    return date.month == month && date.day == day;
}

} // namespace

int32_t VernalEquinoxDay(int32_t year) {
    return equinoxDay(year, true);
}

int32_t AutumnalEquinoxDay(int32_t year) {
    return equinoxDay(year, false);
}

bool IsVernalEquinox(int32_t year, int month, int day) {
    return isDay(VernalEquinoxDay(year), month, day);
}

bool IsAutumnalEquinox(int32_t year, int month, int day) {
    return isDay(AutumnalEquinoxDay(year), month, day);
}

} // namespace rekko
