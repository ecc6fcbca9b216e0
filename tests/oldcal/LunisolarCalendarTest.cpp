// SPDX-License-Identifier: GPL-3.0-or-later
// The generated old calendar against the earlier built-in table, a published list of month starts, and the
// shipped resource.
#include "LunisolarCalendar.h"
#include "GeneratorReport.h"
#include "SolarTermTable.h"

#include "TempDir.h"
#include "base/TextProcedures.h"
#include "calendar/Julius.h"
#include "calendar/OldCalendar.h"
#include "calendar/SolarTerms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace rekko::oldcal {
namespace {

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

const std::vector<SolarEvent>& shippedSolarEvents() {
    static const std::vector<SolarEvent> events = computeSolarEvents(kSolarTableFirstDay, kTableLastDay);
    return events;
}

TEST(SolarTermGenerator, ShippedResourceIsTheGeneratorsOutputAndMatchesPublishedMoments) {
    EXPECT_EQ(solarTermResource(), formatSolarTermTable(shippedSolarEvents()))
        << "run `make oldcal` to write src/resources/JDSEKKI.txt again";
    // JST moments of 平成20年暦要項 (National Astronomical Observatory of Japan, as printed in 全私学新聞 no. 2269):
    // 立春 2008-02-04 20:00, 春分 03-20 14:48, 夏至 06-21 08:59, 秋分 09-23 00:45, 冬至 12-21 21:04.
    const std::map<int, double> published = {{315, dayOf("2008-02-04") + 20 / 24.0},
                                             {0, dayOf("2008-03-20") + (14 + 48 / 60.0) / 24},
                                             {90, dayOf("2008-06-21") + (8 + 59 / 60.0) / 24},
                                             {180, dayOf("2008-09-23") + (45 / 60.0) / 24},
                                             {270, dayOf("2008-12-21") + (21 + 4 / 60.0) / 24}};
    int checked = 0;
    for (const SolarEvent& event : shippedSolarEvents()) {
        const auto found = published.find(event.longitude);
        if (found == published.end() || event.moment.day() < dayOf("2008-01-01") ||
            event.moment.day() > dayOf("2008-12-31"))
            continue;
        // The published minute is truncated; the day number's midnight lies half a day before its noon.
        EXPECT_NEAR((event.moment.jd + 0.5 - found->second) * 1440.0, 0.5, 1.0) << event.longitude;
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(SolarTermGenerator, ListsTheTermsWithinAMinuteOfMidnight) {
    const std::string report = formatSolarTermReport(shippedSolarEvents());
    // 雨水 of 2030, 21 seconds before midnight, as the old-calendar report lists it among the principal terms.
    EXPECT_NE(report.find("2030-02-18 23:59:39  -00:00:21  330 degrees"), std::string::npos) << report;
    for (const SolarEvent& event : shippedSolarEvents()) {
        const bool near = std::abs(event.moment.secondsFromMidnight()) < kTermNearMidnightSeconds;
        EXPECT_EQ(report.find(formatMoment(event.moment)) != std::string::npos, near) << event.moment.jd;
    }
}

} // namespace
} // namespace rekko::oldcal
