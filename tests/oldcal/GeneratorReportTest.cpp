// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's table text and its report of events near midnight.
#include "GeneratorReport.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko::oldcal {
namespace {

JstMoment at(int32_t day, int hour, int minute, int second) {
    return {day - 0.5 + ((hour * 60 + minute) * 60 + second) / 86400.0};
}

OldCalendarComputation twoMonths() {
    const int32_t first = EncodeJuliusDay(2033, 11, 22);
    OldCalendarComputation computation;
    computation.months.push_back({at(first, 9, 39, 0), first, 11, {240, 270}});
    computation.months.push_back({at(first + 30, 23, 59, 10), first + 30, 111, {}});
    computation.months.push_back({at(first + 59, 1, 58, 0), first + 59, 12, {}});
    computation.terms.push_back({240, at(first, 0, 1, 30)});
    computation.terms.push_back({270, at(first + 29, 22, 0, 0)});
    computation.conflicts.push_back({first - 60, 9, 180, 8});
    return computation;
}

TEST(GeneratorReport, TableLinesAreDayNumberAndCodeWithCrLf) {
    EXPECT_EQ(formatOldMonthTable(twoMonths()), "2463924,11\r\n2463954,111\r\n2463983,12\r\n");
}

TEST(GeneratorReport, MidnightDistanceIsSignedAndRounded) {
    EXPECT_EQ(formatMidnightDistance(-50.4), "-00:00:50");
    EXPECT_EQ(formatMidnightDistance(89.6), "+00:01:30");
    EXPECT_EQ(formatMidnightDistance(4 * 3600 + 5), "+04:00:05");
}

TEST(GeneratorReport, ListsEveryEventAndSinglesOutThoseNearMidnight) {
    const std::string report = formatGeneratorReport(twoMonths());
    EXPECT_NE(report.find("2 months from 2033-11-22, closing line 2034-01-20"), std::string::npos) << report;
    EXPECT_NE(report.find("2033-11-22 09:39:00  +09:39:00  new moon, month 11 begins 2033-11-22"), std::string::npos);
    EXPECT_NE(report.find("2033-12-21 22:00:00  -02:00:00  principal term 270 degrees"), std::string::npos);

    const std::string near = report.substr(report.find("Events closer than 120 seconds"));
    EXPECT_NE(near.find("2033-12-22 23:59:10  -00:00:50  new moon, leap 11 begins 2033-12-22 (on the other side "
                        "the month starts a day later)"),
              std::string::npos);
    EXPECT_NE(near.find("2033-11-22 00:01:30  +00:01:30  principal term 240 degrees (on the other side it falls in "
                        "the neighbouring month)"),
              std::string::npos);
    EXPECT_EQ(near.find("09:39:00"), std::string::npos);
    EXPECT_EQ(near.find("22:00:00"), std::string::npos);
    EXPECT_NE(near.find("month 9 from 2033-09-23 holds 180 degrees (month 8 expected)"), std::string::npos) << near;
}

} // namespace
} // namespace rekko::oldcal
