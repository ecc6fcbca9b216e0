// SPDX-License-Identifier: GPL-3.0-or-later
// Month starts, principal terms, month numbering and leap months of the old calendar.
#include "LunisolarCalendar.h"

#include "DeltaT.h"
#include "NewMoon.h"
#include "Sun.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace rekko::oldcal {

namespace {

// Margin around the requested span, so that the winter-solstice months before and after it are computed too.
constexpr double kMarginDays = 420;

std::vector<LunarMonth> lunarMonths(double firstJde, double lastJde) {
    std::vector<LunarMonth> months;
    for (int k = newMoonNumberAtOrBefore(firstJde); newMoonMoment(k) <= lastJde; ++k) {
        LunarMonth month;
        month.newMoon.jd = ephemerisToJst(newMoonMoment(k));
        month.start = month.newMoon.day();
        months.push_back(month);
    }
    return months;
}

std::vector<PrincipalTerm> principalTerms(double firstJde, double lastJde) {
    constexpr double kDaysPerDegree = 365.2422 / 360.0;
    std::vector<PrincipalTerm> terms;
    int longitude = (static_cast<int>(std::floor(apparentSolarLongitude(firstJde) / 30.0)) + 1) % 12 * 30;
    double guess = firstJde;
    while (true) {
        const double jde = solarLongitudeMoment(longitude, guess);
        if (jde > lastJde)
            break;
        if (jde >= firstJde)
            terms.push_back({longitude, {ephemerisToJst(jde)}});
        longitude = (longitude + 30) % 360;
        guess = jde + 30 * kDaysPerDegree;
    }
    return terms;
}

void assignTerms(std::vector<LunarMonth>& months, const std::vector<PrincipalTerm>& terms) {
    size_t m = 0;
    for (const PrincipalTerm& term : terms) {
        const int32_t day = term.moment.day();
        while (m + 1 < months.size() && months[m + 1].start <= day)
            ++m;
        if (months[m].start <= day)
            months[m].principalTerms.push_back(term.longitude);
    }
}

bool holds(const LunarMonth& month, int longitude) {
    return std::ranges::find(month.principalTerms, longitude) != month.principalTerms.end();
}

// Numbers the months from one winter-solstice month up to (not including) the next.
void numberSolsticeYear(std::vector<LunarMonth>& months, size_t from, size_t to) {
    const size_t count = to - from;
    if (count != 12 && count != 13)
        throw std::runtime_error("old calendar: " + std::to_string(count) + " months between winter solstices from " +
                                 std::to_string(months[from].start));
    size_t leap = to;
    if (count == 13) {
        for (size_t i = from + 1; i < to && leap == to; ++i)
            if (months[i].principalTerms.empty())
                leap = i;
    }
    int number = 11;
    months[from].code = number;
    for (size_t i = from + 1; i < to; ++i) {
        if (i == leap) {
            months[i].code = 100 + number;
            continue;
        }
        number = number % 12 + 1;
        months[i].code = number;
    }
}

std::vector<NumberingConflict> findConflicts(const std::vector<LunarMonth>& months) {
    struct Anchor {
        int longitude;
        int code;
    };
    constexpr Anchor kAnchors[] = {{0, 2}, {90, 5}, {180, 8}, {270, 11}};
    std::vector<NumberingConflict> conflicts;
    for (const LunarMonth& month : months)
        for (const Anchor& anchor : kAnchors)
            if (holds(month, anchor.longitude) && month.code != anchor.code)
                conflicts.push_back({month.start, month.code, anchor.longitude, anchor.code});
    return conflicts;
}

} // namespace

int32_t JstMoment::day() const {
    return static_cast<int32_t>(std::floor(jd + 0.5));
}

double JstMoment::secondsFromMidnight() const {
    const double seconds = (jd + 0.5 - day()) * 86400.0;
    return seconds < 43200.0 ? seconds : seconds - 86400.0;
}

OldCalendarComputation computeOldCalendar(int32_t firstDay, int32_t lastDay) {
    // The margin is far wider than the difference between day numbers and ephemeris dates, so day numbers serve.
    std::vector<LunarMonth> months = lunarMonths(firstDay - kMarginDays, lastDay + kMarginDays);
    const std::vector<PrincipalTerm> terms = principalTerms(firstDay - kMarginDays - 31, lastDay + kMarginDays + 31);
    assignTerms(months, terms);

    std::vector<size_t> solsticeMonths;
    for (size_t i = 0; i < months.size(); ++i)
        if (holds(months[i], 270))
            solsticeMonths.push_back(i);
    for (size_t s = 0; s + 1 < solsticeMonths.size(); ++s)
        numberSolsticeYear(months, solsticeMonths[s], solsticeMonths[s + 1]);

    auto monthHolding = [&](int32_t day) {
        return static_cast<size_t>(std::ranges::upper_bound(months, day, {}, &LunarMonth::start) - months.begin() - 1);
    };
    const size_t first = monthHolding(firstDay);
    const size_t closing = monthHolding(lastDay) + 1;
    // Only the months from the first winter-solstice month up to the last one (excluded) have numbers.
    if (solsticeMonths.size() < 2 || first < solsticeMonths.front() || closing >= solsticeMonths.back())
        throw std::runtime_error("old calendar: the span is not inside the computed winter-solstice years");

    OldCalendarComputation result;
    result.months.assign(months.begin() + static_cast<ptrdiff_t>(first),
                         months.begin() + static_cast<ptrdiff_t>(closing) + 1);
    for (const PrincipalTerm& term : terms)
        if (term.moment.day() >= result.months.front().start && term.moment.day() < result.months.back().start)
            result.terms.push_back(term);
    result.conflicts = findConflicts({result.months.begin(), result.months.end() - 1});
    return result;
}

} // namespace rekko::oldcal
