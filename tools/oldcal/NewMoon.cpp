// SPDX-License-Identifier: GPL-3.0-or-later
// True new moon from the mean lunation with periodic and planetary corrections (Meeus, chapter 49).
#include "NewMoon.h"

#include "Angles.h"

#include <cmath>

namespace rekko::oldcal {

namespace {

constexpr double kSynodicMonth = 29.530588861;

// The fourteen planetary arguments (degrees: constant, rate per lunation, coefficient of T squared) with their
// amplitudes in days.
struct PlanetaryTerm {
    double constant;
    double rate;
    double quadratic;
    double amplitude;
};

constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {299.77, 0.107408, -0.009173, 0.000325}, {251.88, 0.016321, 0, 0.000165}, {251.83, 26.651886, 0, 0.000164},
    {349.42, 36.412478, 0, 0.000126},        {84.66, 18.206239, 0, 0.000110}, {141.74, 53.303771, 0, 0.000062},
    {207.14, 2.453732, 0, 0.000060},         {154.84, 7.306860, 0, 0.000056}, {34.52, 27.261239, 0, 0.000047},
    {207.19, 0.121824, 0, 0.000042},         {291.34, 1.844379, 0, 0.000040}, {161.72, 24.198154, 0, 0.000037},
    {239.56, 25.513099, 0, 0.000035},        {331.55, 3.592518, 0, 0.000023},
};

double sinDeg(double a) {
    return std::sin(radians(reduceDegrees(a)));
}

} // namespace

double newMoonMoment(int lunation) {
    const double k = lunation;
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double mean = 2451550.09766 + kSynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    // Eccentricity factor of the Earth's orbit, and the Sun's and Moon's anomalies, argument of latitude, node.
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    const double mp = 201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f = 160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double omega = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;

    double correction = -0.40720 * sinDeg(mp) + 0.17241 * e * sinDeg(m) + 0.01608 * sinDeg(2 * mp) +
                        0.01039 * sinDeg(2 * f) + 0.00739 * e * sinDeg(mp - m) - 0.00514 * e * sinDeg(mp + m) +
                        0.00208 * e * e * sinDeg(2 * m) - 0.00111 * sinDeg(mp - 2 * f) - 0.00057 * sinDeg(mp + 2 * f) +
                        0.00056 * e * sinDeg(2 * mp + m) - 0.00042 * sinDeg(3 * mp) + 0.00042 * e * sinDeg(m + 2 * f) +
                        0.00038 * e * sinDeg(m - 2 * f) - 0.00024 * e * sinDeg(2 * mp - m) - 0.00017 * sinDeg(omega) -
                        0.00007 * sinDeg(mp + 2 * m) + 0.00004 * sinDeg(2 * mp - 2 * f) + 0.00004 * sinDeg(3 * m) +
                        0.00003 * sinDeg(mp + m - 2 * f) + 0.00003 * sinDeg(2 * mp + 2 * f) -
                        0.00003 * sinDeg(mp + m + 2 * f) + 0.00003 * sinDeg(mp - m + 2 * f) -
                        0.00002 * sinDeg(mp - m - 2 * f) - 0.00002 * sinDeg(3 * mp + m) + 0.00002 * sinDeg(4 * mp);

    for (const PlanetaryTerm& term : kPlanetaryTerms)
        correction += term.amplitude * sinDeg(term.constant + term.rate * k + term.quadratic * t2);
    return mean + correction;
}

int newMoonNumberAtOrBefore(double jde) {
    // The mean lunation gives the number to within one; the true moments settle it.
    int k = static_cast<int>(std::floor((jde - 2451550.09766) / kSynodicMonth));
    while (newMoonMoment(k) > jde)
        --k;
    while (newMoonMoment(k + 1) <= jde)
        ++k;
    return k;
}

} // namespace rekko::oldcal
