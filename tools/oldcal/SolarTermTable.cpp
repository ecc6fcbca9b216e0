// SPDX-License-Identifier: GPL-3.0-or-later
// The solar-term and seasonal-day moments from the Sun's apparent longitude, their table text and report.
#include "SolarTermTable.h"

#include "DeltaT.h"
#include "GeneratorReport.h"
#include "Sun.h"

#include <cmath>

namespace rekko::oldcal {

std::vector<SolarEvent> computeSolarEvents(int32_t firstDay, int32_t lastDay) {
    constexpr double kDaysPerDegree = 365.2422 / 360.0;
    // Start a few days early: ephemeris dates and JST day numbers differ by well under a day.
    double jde = firstDay - 3.0;
    const double start = apparentSolarLongitude(jde);
    size_t next = 0;
    while (next < kTableLongitudes.size() && kTableLongitudes[next] <= start)
        ++next;
    next %= kTableLongitudes.size();
    double longitude = start;
    std::vector<SolarEvent> events;
    while (true) {
        const int target = kTableLongitudes[next];
        const double distance = std::fmod(target - longitude + 360.0, 360.0);
        jde = solarLongitudeMoment(target, jde + distance * kDaysPerDegree);
        const JstMoment moment{ephemerisToJst(jde)};
        if (moment.day() > lastDay)
            break;
        if (moment.day() >= firstDay)
            events.push_back({target, moment});
        longitude = target;
        next = (next + 1) % kTableLongitudes.size();
    }
    return events;
}

std::string formatSolarTermTable(const std::vector<SolarEvent>& events) {
    std::string text;
    for (const SolarEvent& event : events)
        text += std::to_string(event.moment.day()) + "," + std::to_string(event.longitude) + "\r\n";
    return text;
}

std::string formatSolarTermReport(const std::vector<SolarEvent>& events) {
    std::string text = "\nSolar terms and seasonal longitudes closer than " +
                       std::to_string(static_cast<int>(kTermNearMidnightSeconds)) +
                       " seconds to midnight JST (their date depends on the side of it):\n";
    bool any = false;
    for (const SolarEvent& event : events) {
        if (std::abs(event.moment.secondsFromMidnight()) >= kTermNearMidnightSeconds)
            continue;
        text += "  " + formatMoment(event.moment) + "  " + std::to_string(event.longitude) + " degrees\n";
        any = true;
    }
    return any ? text : text + "  none\n";
}

} // namespace rekko::oldcal
