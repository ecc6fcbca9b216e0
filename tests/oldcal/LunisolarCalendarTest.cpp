// SPDX-License-Identifier: GPL-3.0-or-later
// The generated old calendar against the earlier built-in table, a published list of month starts, and the
// shipped resource.
#include "LunisolarCalendar.h"
#include "GeneratorReport.h"

#include "TempDir.h"
#include "base/TextProcedures.h"
#include "calendar/Julius.h"
#include "calendar/OldCalendar.h"

#include <gtest/gtest.h>

#include <algorithm>
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

} // namespace
} // namespace rekko::oldcal
