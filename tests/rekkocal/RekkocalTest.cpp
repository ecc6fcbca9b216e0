// The terminal companion end to end: commands, outputs and exit codes.
#include "Commands.h"

#include "FakeClock.h"

#include <gtest/gtest.h>
#include <sstream>

namespace rekko {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args, bool interactive = false,
            const test::FakeClock& clock = test::FakeClock(CalendarDate{2026, 12, 6}, TimeOfDay{9, 0, 0})) {
    std::ostringstream out, err;
    cli::Terminal terminal{out, err, interactive};
    const int code = cli::Run(args, clock, terminal);
    return {code, out.str(), err.str()};
}

TEST(Rekkocal, DayNumbersBothWays) {
    EXPECT_EQ(run({"jd", "1582-10-15"}).out, "2299161\n");
    EXPECT_EQ(run({"jd", "-4712-01-01"}).out, "0\n");
    EXPECT_EQ(run({"date", "2299160"}).out, "1582-10-04\n");
    EXPECT_EQ(run({"date", "0"}).out, "-4712-01-01\n");
    EXPECT_EQ(run({"date", "1721058"}).out, "0000-01-01\n");
}

TEST(Rekkocal, BadDatesExitTwoWithOneLine) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"jd", "2001-02-29"}, {"jd", "2001-2"}, {"jd", "x-1-1"}, {"jd", "2001-13-01"}, {"jd"},
             {"date", "-1"}, {"date", "abc"}, {"month", "2026"}, {"month", "2026", "13"}, {"nosuch"}, {}}) {
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.code, 2) << (args.empty() ? "" : args[0]);
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_FALSE(outcome.err.empty());
    }
    const Outcome gap = run({"jd", "1582-10-10"});
    EXPECT_EQ(gap.code, 2);
    EXPECT_EQ(gap.err, "rekkocal: 1582/10/5-10/14は存在しません。\n");
}

TEST(Rekkocal, CountsDaysAndPeriods) {
    EXPECT_EQ(run({"count", "2026-01-01", "2026-12-31"}).out, "364\n");
    EXPECT_EQ(run({"count", "2026-01-01", "2026-12-31", "--period"}).out, "365\n");
    EXPECT_EQ(run({"count", "1582-10-04", "1582-10-15"}).out, "1\n");
    EXPECT_EQ(run({"count", "2026-12-31", "2026-01-01"}).out, "-364\n");
}

TEST(Rekkocal, MonthCalendarStartsOnSundayAndHighlightsToday) {
    const std::string expected = "      2026年12月\n"
                                 "日 月 火 水 木 金 土\n"
                                 "       1  2  3  4  5\n"
                                 " 6  7  8  9 10 11 12\n"
                                 "13 14 15 16 17 18 19\n"
                                 "20 21 22 23 24 25 26\n"
                                 "27 28 29 30 31\n";
    EXPECT_EQ(run({"month"}).out, expected);
    EXPECT_EQ(run({"month", "2026", "12"}).out, expected);
    EXPECT_NE(run({"month"}, true).out.find("\x1b[7m 6\x1b[0m"), std::string::npos);
    const std::string reform = run({"month", "1582", "10"}).out;
    EXPECT_NE(reform.find(" 1  2  3  4 15 16"), std::string::npos) << reform;
    EXPECT_EQ(run({"--help"}).code, 0);
}

} // namespace
} // namespace rekko
