// SPDX-License-Identifier: GPL-3.0-or-later
// Table text and the reviewer's report of the old-calendar generator.
#include "GeneratorReport.h"

#include "calendar/Julius.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace rekko::oldcal {

namespace {

std::string dateText(int32_t day) {
    const CalendarDate date = DecodeJuliusDay(day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string clockText(long seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

// Whole seconds since the JST midnight that starts the moment's date. A Julian date carries rounding of some tens
// of microseconds, so the moment is taken to the millisecond before the fraction of the second is dropped; a moment
// within that of the next midnight stays on its own date as 23:59:59.
long clockSeconds(const JstMoment& moment) {
    const long long milliseconds = std::llround((moment.jd + 0.5 - moment.day()) * 86400000.0);
    return static_cast<long>(std::min(milliseconds / 1000, 86399LL));
}

std::string codeText(int code) {
    return code > 100 ? "leap " + std::to_string(code - 100) : "month " + std::to_string(code);
}

struct ReportLine {
    std::string text;
    bool nearMidnight = false;
    std::string sensitivity; // what the other side of midnight would change, for the near-midnight list
};

// Returns the index of the month holding a day, or the months' count when the day lies outside them all.
size_t monthHolding(const std::vector<LunarMonth>& months, int32_t day) {
    const auto after = std::ranges::upper_bound(months, day, {}, &LunarMonth::start);
    return after == months.begin() || after == months.end() ? months.size()
                                                            : static_cast<size_t>(after - months.begin() - 1);
}

std::string termSensitivity(const OldCalendarComputation& computation, const PrincipalTerm& term) {
    const int32_t day = term.moment.day();
    const int32_t otherSide = term.moment.secondsFromMidnight() < 0 ? day + 1 : day - 1;
    return monthHolding(computation.months, day) == monthHolding(computation.months, otherSide)
               ? "in the same month on either side"
               : "on the other side it falls in the neighbouring month";
}

} // namespace

std::string formatOldMonthTable(const OldCalendarComputation& computation) {
    std::string text;
    for (const LunarMonth& month : computation.months)
        text += std::to_string(month.start) + "," + std::to_string(month.code) + "\r\n";
    return text;
}

std::string formatMidnightDistance(double seconds) {
    return (seconds < 0 ? "-" : "+") + clockText(std::lround(std::abs(seconds)));
}

std::string formatMoment(const JstMoment& moment) {
    // The distance shown is the one of the clock time shown; the listings go by the exact distance.
    const long clock = clockSeconds(moment);
    const long shownDistance = clock < 43200 ? clock : clock - 86400;
    return dateText(moment.day()) + " " + clockText(clock) + "  " +
           formatMidnightDistance(static_cast<double>(shownDistance));
}

std::string formatGeneratorReport(const OldCalendarComputation& computation) {
    // Events keyed by their moment, so month starts and principal terms come out in time order.
    std::multimap<double, ReportLine> events;
    auto add = [&](const JstMoment& moment, const std::string& what, const std::string& sensitivity) {
        events.emplace(moment.jd,
                       ReportLine{formatMoment(moment) + "  " + what,
                                  std::abs(moment.secondsFromMidnight()) < kNearMidnightSeconds, sensitivity});
    };
    for (const LunarMonth& month : computation.months)
        add(month.newMoon, "new moon, " + codeText(month.code) + " begins " + dateText(month.start),
            "on the other side the month starts a day " +
                std::string(month.newMoon.secondsFromMidnight() < 0 ? "later" : "earlier"));
    for (const PrincipalTerm& term : computation.terms)
        add(term.moment, "principal term " + std::to_string(term.longitude) + " degrees",
            termSensitivity(computation, term));

    const size_t monthCount = computation.months.size() - 1;
    std::string text = "Old-calendar table: " + std::to_string(monthCount) + " months from " +
                       dateText(computation.months.front().start) + ", closing line " +
                       dateText(computation.months.back().start) + "\n";
    text += "Each event in JST, its signed distance from the nearest midnight, and what it is:\n";
    std::string near;
    for (const auto& [jd, line] : events) {
        text += "  " + line.text + "\n";
        if (line.nearMidnight)
            near += "  " + line.text + " (" + line.sensitivity + ")\n";
    }
    text += "\nEvents closer than " + std::to_string(static_cast<int>(kNearMidnightSeconds)) +
            " seconds to midnight JST (the table depends on their side of it):\n";
    text += near.empty() ? "  none\n" : near;
    text += "\nMonths whose number disagrees with a principal term they hold:\n";
    if (computation.conflicts.empty())
        text += "  none\n";
    for (const NumberingConflict& conflict : computation.conflicts)
        text += "  " + codeText(conflict.code) + " from " + dateText(conflict.start) + " holds " +
                std::to_string(conflict.longitude) + " degrees (" + codeText(conflict.expectedCode) + " expected)\n";
    return text;
}

} // namespace rekko::oldcal
