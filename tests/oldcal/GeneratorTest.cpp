// SPDX-License-Identifier: GPL-3.0-or-later
// The old-calendar generator: its astronomical series against worked examples and published moments, and the
// generated calendar against the earlier built-in table, a published list of month starts and the shipped resource.
#include "base/TextProcedures.h"
#include "calendar/Julius.h"
#include "calendar/OldCalendar.h"

#include "Angles.h"
#include "DeltaT.h"
#include "GeneratorReport.h"
#include "LunisolarCalendar.h"
#include "NewMoon.h"
#include "Nutation.h"
#include "Sun.h"
#include "TempDir.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace rekko::oldcal {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

// Julian date (UT) of a moment given in UTC.
double utc(int year, int month, int day, int hour, int minute) {
    return EncodeJuliusDay(year, month, day) - 0.5 + (hour * 60 + minute) / 1440.0;
}

double jstToUtc(double jst) {
    return jst - 9.0 / 24.0;
}

TEST(Astronomy, MatchesTheWorkedExamplesOfMeeus) {
    // Example 22.a: nutation in longitude on 1987-04-10 0h TD is -3.788".
    EXPECT_NEAR(nutationInLongitude(2446895.5), -3.788, 0.001);
    // Example 25.b: apparent longitude of the Sun on 1992-10-13 0h TD is 199°54'21.818".
    EXPECT_NEAR(apparentSolarLongitude(2448908.5), 199.0 + 54.0 / 60 + 21.818 / 3600, 0.5 / 3600);
    // Example 49.a: the new moon of 1977 February falls at JDE 2443192.65118.
    EXPECT_NEAR(newMoonMoment(-283), 2443192.65118, 1e-5);
}

TEST(Astronomy, DeltaTFollowsObservedValues) {
    // Observed TT - UT1 at the start of the year (Astronomical Almanac, IERS): 1900 -2.72 s, 1950 29.15 s,
    // 2000 63.83 s.
    EXPECT_NEAR(deltaTSeconds(1900.0), -2.72, 0.5);
    EXPECT_NEAR(deltaTSeconds(1950.0), 29.15, 0.5);
    EXPECT_NEAR(deltaTSeconds(2000.0), 63.83, 0.5);
}

TEST(Astronomy, NewMoonsAndSolsticesMatchPublishedMomentsWithinAMinute) {
    // New moons of 2000-01-06 18:14, 2009-07-22 02:35 (total solar eclipse) and 2017-08-21 18:30 UTC.
    const double newMoons[] = {utc(2000, 1, 6, 18, 14), utc(2009, 7, 22, 2, 35), utc(2017, 8, 21, 18, 30)};
    for (double moment : newMoons) {
        const int k = newMoonNumberAtOrBefore(moment + 0.5);
        EXPECT_NEAR(jstToUtc(ephemerisToJst(newMoonMoment(k))), moment, 60 * kSecond) << moment;
    }
    // March equinox 2000-03-20 07:35 UTC, December solstice 1999-12-22 07:44 UTC.
    EXPECT_NEAR(jstToUtc(ephemerisToJst(solarLongitudeMoment(0, 2451624.0))), utc(2000, 3, 20, 7, 35), 60 * kSecond);
    EXPECT_NEAR(jstToUtc(ephemerisToJst(solarLongitudeMoment(270, 2451535.0))), utc(1999, 12, 22, 7, 44), 60 * kSecond);
    // Started eighty days off, the solver still lands on the longitude asked for.
    EXPECT_NEAR(signedDegrees(apparentSolarLongitude(solarLongitudeMoment(90, 2451636.0)) - 90), 0.0, 1e-6);
}

const OldCalendarComputation& shippedSpan() {
    static const OldCalendarComputation computation = computeOldCalendar(kTableFirstDay, kTableLastDay);
    return computation;
}

std::vector<std::string> dataLines(const std::string& name) {
    std::ifstream in(test::TestDataDir() / name);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

int32_t dayOf(const std::string& isoDate) {
    return EncodeJuliusDay(std::stoi(isoDate.substr(0, 4)), std::stoi(isoDate.substr(5, 2)),
                           std::stoi(isoDate.substr(8, 2)));
}

// The table lines "start,code" rebuilt from the month lengths per old year of the earlier table.
std::vector<std::string> earlierTableLines() {
    std::vector<std::string> lines;
    int32_t start = 0;
    for (const std::string& row : dataLines("OldCalendar1989-2010.txt")) {
        std::istringstream fields(row);
        std::string head;
        fields >> head;
        if (int code = 0, length = 0; head == "first" || head == "close") {
            if (head == "first")
                fields >> start;
            fields >> code >> length; // a closing line has no length
            lines.push_back(std::to_string(start) + "," + std::to_string(code));
            start += length;
            continue;
        }
        int32_t yearStart = 0;
        fields >> yearStart;
        EXPECT_EQ(yearStart, start) << row;
        EXPECT_EQ(dayOf(head), yearStart) << row;
        int month = 0;
        for (std::string length; fields >> length;) {
            const bool leap = length.front() == '[';
            month += leap ? 0 : 1;
            lines.push_back(std::to_string(start) + "," + std::to_string(leap ? 100 + month : month));
            start += std::stoi(leap ? length.substr(1) : length);
        }
    }
    return lines;
}

TEST(OldCalendarGenerator, ReproducesTheEarlierTableExactly) {
    const std::vector<std::string> expected = earlierTableLines();
    ASSERT_EQ(expected.size(), 260u);
    const std::vector<std::string> generated = SplitAt(formatOldMonthTable(shippedSpan()), '\n');
    auto first = std::find(generated.begin(), generated.end(), expected.front() + "\r");
    ASSERT_NE(first, generated.end());
    ASSERT_GE(generated.end() - first, static_cast<ptrdiff_t>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(first[static_cast<ptrdiff_t>(i)], expected[i] + "\r") << "line " << i + 1;
}

TEST(OldCalendarGenerator, AgreesWithThePublishedMonthStarts2011To2040) {
    std::map<int32_t, int> codeByStart;
    std::vector<std::string> leaps, listedLeaps; // "old year,code"
    int oldYear = 0;
    for (const LunarMonth& month : shippedSpan().months) {
        codeByStart[month.start] = month.code;
        oldYear = month.code == 1 ? DecodeJuliusDay(month.start).year : oldYear;
        if (month.code > 100 && oldYear >= 2011 && oldYear <= 2040)
            leaps.push_back(std::to_string(oldYear) + "," + std::to_string(month.code));
    }
    for (const std::string& line : dataLines("OldCalendarMonthStarts2011-2040.csv")) {
        const std::vector<std::string> f = SplitAt(line, ',');
        ASSERT_EQ(f.size(), 4u) << line;
        if (f[0] == "leap")
            listedLeaps.push_back(f[1] + "," + f[2]);
        if (!f[3].empty()) {
            EXPECT_EQ(codeByStart[dayOf(f[3])], std::stoi(f[2])) << line;
        }
    }
    EXPECT_EQ(leaps, listedLeaps);
}

TEST(OldCalendarGenerator, ShippedResourceIsTheGeneratorsOutput) {
    EXPECT_EQ(oldCalendarResource(), formatOldMonthTable(shippedSpan()))
        << "run `make oldcal` to write src/resources/JDOLDCAL.txt again";
}

TEST(OldCalendarGenerator, MonthsAreWellFormedAndOnly2033NeedsTheUsualResolution) {
    const auto& months = shippedSpan().months;
    for (size_t i = 0; i + 1 < months.size(); ++i) {
        const int length = months[i + 1].start - months[i].start;
        ASSERT_TRUE(length == 29 || length == 30) << months[i].start;
        EXPECT_TRUE(months[i].code < 100 || months[i].principalTerms.empty()) << months[i].start; // leap: no term
        const int month = months[i].code % 100;
        const int next = months[i + 1].code;
        EXPECT_TRUE(next == month % 12 + 1 || next == 100 + month) << months[i].start;
    }
    // Between the autumn equinox and the winter solstice of 2033 lie only two months: the month holding 180
    // degrees becomes month 9, and the leap month follows month 11.
    ASSERT_EQ(shippedSpan().conflicts.size(), 1u);
    const NumberingConflict& c = shippedSpan().conflicts.front();
    EXPECT_EQ(std::tuple(c.start, c.code, c.longitude, c.expectedCode),
              std::tuple(EncodeJuliusDay(2033, 9, 23), 9, 180, 8));
}

} // namespace
} // namespace rekko::oldcal
