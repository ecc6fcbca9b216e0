// SPDX-License-Identifier: GPL-3.0-or-later
// Nutation in longitude: the 63 terms of the IAU 1980 series as given in Meeus, Table 22.A.
#include "Nutation.h"

#include "Angles.h"

#include <cmath>

namespace rekko::oldcal {

namespace {

// Multiples of D, M, M', F and Omega, and the coefficient of sin(argument) in 0.0001" with its change per century.
struct NutationTerm {
    int d, m, mPrime, f, omega;
    double sine;
    double sinePerCentury;
};

// The table keeps several terms to a line, as printed.
// clang-format off
constexpr NutationTerm kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},          {0, 0, -2, 2, 1, 46, 0},        {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},          {0, 0, 2, 0, 0, 29, 0},         {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},           {-2, 0, 0, 2, 0, -22, 0},       {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},        {2, 0, -1, 0, 1, 16, 0},        {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},          {-2, 0, 1, 0, 1, -13, 0},       {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},          {2, 0, -1, 2, 1, -10, 0},       {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},            {-2, 1, 1, 0, 0, -7, 0},        {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},           {2, 0, 1, 0, 0, 6, 0},          {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},           {2, 0, -2, 0, 1, -6, 0},        {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},           {-2, -1, 0, 2, 1, -5, 0},       {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},           {-2, 0, 2, 0, 1, 4, 0},         {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},           {-1, 0, 1, 0, 0, -4, 0},        {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},           {0, 0, 1, 2, 0, 3, 0},          {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},         {0, 1, 1, 0, 0, -3, 0},         {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},         {0, 0, 3, 2, 2, -3, 0},         {2, -1, 0, 2, 2, -3, 0},
};
// clang-format on

double polynomial(double t, double a0, double a1, double a2, double a3) {
    return a0 + t * (a1 + t * (a2 + t * a3));
}

} // namespace

double nutationInLongitude(double jde) {
    const double t = (jde - kJ2000) / 36525.0;
    // Mean elongation of the Moon, mean anomalies of Sun and Moon, argument of latitude, ascending node (Meeus 22).
    const double d = polynomial(t, 297.85036, 445267.111480, -0.0019142, 1.0 / 189474.0);
    const double m = polynomial(t, 357.52772, 35999.050340, -0.0001603, -1.0 / 300000.0);
    const double mPrime = polynomial(t, 134.96298, 477198.867398, 0.0086972, 1.0 / 56250.0);
    const double f = polynomial(t, 93.27191, 483202.017538, -0.0036825, 1.0 / 327270.0);
    const double omega = polynomial(t, 125.04452, -1934.136261, 0.0020708, 1.0 / 450000.0);
    double sum = 0;
    for (const NutationTerm& term : kTerms) {
        const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f + term.omega * omega;
        sum += (term.sine + term.sinePerCentury * t) * std::sin(radians(reduceDegrees(argument)));
    }
    return sum * 0.0001;
}

} // namespace rekko::oldcal
