// SPDX-License-Identifier: GPL-3.0-or-later
// The iCalendar mapping and writer: the years of special days, text that code page 932 cannot name, malformed and
// identical lines, nearest colour names, escaping and folding. Each special-day form is expanded by an independent
// reader in ics-readback.py.
#include "sync/IcsEvents.h"
#include "sync/CssColours.h"
#include "sync/IcsReader.h"
#include "sync/IcsWriter.h"

#include "base/Cp932.h"

#include <gtest/gtest.h>
#include <sstream>

namespace rekko {
namespace {

TEST(IcsEvents, YearsBecomeStartAndUntilAndAWrappedRangeTwoEvents) {
    IcsEvents out;
    AddAnniversaryEvents(out, {"1990,,12,20,,,a", "2026,2027,8,1,,,b", "2028,2026,9,1,,,c", ",,2,29,,,d", "x,y,z"},
                         EncodeJuliusDay(2026, 1, 1), EncodeJuliusDay(2028, 12, 31));
    ASSERT_EQ(out.events.size(), 5u);
    EXPECT_EQ(out.skipped, 1);
    EXPECT_EQ(out.events[0].start.date, (CalendarDate{1990, 12, 20}));
    EXPECT_EQ(out.events[1].rule, "FREQ=YEARLY;BYMONTH=8;BYMONTHDAY=1;UNTIL=20271231");
    EXPECT_EQ(out.events[2].start.date, (CalendarDate{2028, 9, 1}));
    EXPECT_EQ(out.events[2].rule, "FREQ=YEARLY;BYMONTH=9;BYMONTHDAY=1");
    EXPECT_EQ(out.events[3].start.date, (CalendarDate{2026, 9, 1}));
    EXPECT_EQ(out.events[3].rule, "FREQ=YEARLY;BYMONTH=9;BYMONTHDAY=1;UNTIL=20261231");
    EXPECT_NE(out.events[2].uid, out.events[3].uid);
    EXPECT_EQ(out.events[4].start.date, (CalendarDate{2028, 2, 29}));
}

TEST(IcsEvents, DayLinesSkipMalformedOnesAndKeepIdenticalOnesApart) {
    IcsEvents out;
    const std::string unnamed = DecodeCp932("a\xFF"
                                            "b\x81");
    AddDayLineEvents(out, 2026, 12,
                     {" 0,0,9,2026/12", " 3,1,,x,clRed,,,,,", " 3,2,,x,clRed,,,,,", "xx,1,,bad", "32,1,,bad",
                      " 4,1,,1，000" + unnamed + "\x01,$00123456,,,,,", " 5,1,,,,,,,,", "31,1,,late,,,,,,"},
                     1, 30);
    ASSERT_EQ(out.events.size(), 3u);
    EXPECT_EQ(out.skipped, 2);
    EXPECT_NE(out.events[0].uid, out.events[1].uid);
    EXPECT_EQ(out.events[0].uid.substr(0, 9), "20261203-");
    EXPECT_EQ(out.events[0].colour, "red");
    EXPECT_EQ(out.events[2].summary, "1,000a\uFFFDb\uFFFD\uFFFD");
    EXPECT_EQ(out.events[2].colour, "saddlebrown"); // RGB 56 34 12 lies nearest to 8B 45 13
    EXPECT_EQ(out.events[2].end, (IcsMoment{{2026, 12, 5}, std::nullopt}));
    // The UIDs stay the same from one export to the next.
    IcsEvents again;
    AddDayLineEvents(again, 2026, 12, {" 3,1,,x,clRed,,,,,", " 3,2,,x,clRed,,,,,"}, 1, 31);
    EXPECT_EQ(again.events[1].uid, out.events[1].uid);
    EXPECT_EQ(NearestCssColourName(clWindowText), std::nullopt);
    // A byte that is not UTF-8 alone, a carried byte's code point whole, a tab kept.
    EXPECT_EQ(IcsText("x\xC3y\xED\xB3\xBFz\t"), "x\uFFFDy\uFFFDz\t");
}

TEST(IcsEvents, PeriodPartsAreHoursOfTheDayInTokyo) {
    IcsEvents out;
    AddPeriodEvents(out,
                    {"***** FromTo予定", "2026,12,28,M,2027, 1, 3,E,2026,12,30,3,clGreen,休暇",
                     "2026,12,1,A,2026,12,1,A,2026,12,1,1,clRed,短い", "2026,13,1,M,2026,12,1,E,2026,12,1,1,,x",
                     "2026,11,1,M,2026,11,2,E,2026,11,1,1,,before"},
                    EncodeJuliusDay(2026, 12, 1), EncodeJuliusDay(2026, 12, 31));
    ASSERT_EQ(out.events.size(), 2u);
    EXPECT_EQ(out.skipped, 1);
    EXPECT_EQ(out.events[0].start, (IcsMoment{{2026, 12, 28}, 9}));
    EXPECT_EQ(out.events[0].end, (IcsMoment{{2027, 1, 3}, 18}));
    EXPECT_EQ(out.events[0].colour, "green");
    EXPECT_EQ(out.events[1].end, std::nullopt);
}

TEST(IcsWriter, EscapesTextAndFoldsLongLinesAt75Octets) {
    IcsEvent event{.uid = "u@rekko",
                   .summary = "a,b;c\\d\ne" + std::string(40, 'x') + "日本語の長い予定の文字列です",
                   .record = " 1,1,,C:\\予定;メモ,clRed,,,,," + std::string(80, 'y') + "  ",
                   .start = {{2026, 12, 1}, 9}};
    const std::string text = WriteIcsCalendar({event}, "Rekko", EncodeDateTime({2026, 12, 7}, {12, 0, 0}));
    std::string unfolded = text;
    for (size_t at; (at = unfolded.find("\r\n ")) != std::string::npos;)
        unfolded.erase(at, 3);
    EXPECT_NE(unfolded.find("SUMMARY:a\\,b\\;c\\\\d\\ne"), std::string::npos) << text;
    EXPECT_NE(text.find("DTSTART;TZID=Asia/Tokyo:20261201T090000\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("BEGIN:VTIMEZONE\r\nTZID:Asia/Tokyo\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("DTSTAMP:20261207T120000Z\r\n"), std::string::npos) << text;
    std::istringstream lines(text);
    size_t folded = 0;
    for (std::string line; std::getline(lines, line);) {
        ASSERT_TRUE(line.ends_with("\r"));
        EXPECT_LE(line.size() - 1, 75u) << line;
        folded += line.starts_with(" ");
    }
    EXPECT_GE(folded, 2u);
    // The record is an escaped text value, so that no server splits it at its commas, and reads back whole.
    EXPECT_NE(unfolded.find("X-REKKO-RECORD: 1\\,1\\,\\,C:\\\\予定\\;メモ\\,clRed\\,"), std::string::npos) << text;
    EXPECT_EQ(ParseIcsEvent(text)->record, event.record);
}

} // namespace
} // namespace rekko
