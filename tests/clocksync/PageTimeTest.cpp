// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the time of a time page: the qualifying line, the quoted argument, its items and the conversion.
#include "clocksync/PageTime.h"
#include "clocksync/JikokuSettings.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

const LocalDateTime kExample = EncodeDateTime({2002, 12, 5}, {13, 21, 27});

std::string Call(const std::string& argument) {
    return "var t = new Date(Date.parse(\"" + argument + "\")); // server: JST\n";
}

TEST(PageTime, ReadsTheQuotedArgumentAnywhereInTheLine) {
    EXPECT_DOUBLE_EQ(ParsePageTime("<html>\r\n" + Call("Thu Dec 5 13:21:27 2002") + "</html>"), kExample);
    EXPECT_DOUBLE_EQ(ParsePageTime(Call("Thu, Dec 05 13:21:27 2002")), kExample);
    EXPECT_DOUBLE_EQ(ParsePageTime(Call("Thu DEC 5 13:21:27 2002")), kExample);
    EXPECT_DOUBLE_EQ(ParsePageTime(Call("\"Thu\" dec 5 13:21:27 2002 extra")), kExample);
}

TEST(PageTime, TakesTheFirstLineWithAllThreeMarks) {
    // No colon in the first call's line: it is skipped; CR alone also ends a line.
    EXPECT_DOUBLE_EQ(ParsePageTime("Date.parse(\"Wed Dec 4 2002\")\r" + Call("Thu Dec 5 13:21:27 2002")), kExample);
    // The first qualifying line decides, even without a call.
    EXPECT_EQ(ParsePageTime("Date.parse: \"soon\"\n" + Call("Thu Dec 5 13:21:27 2002")), 0);
}

TEST(PageTime, AnythingElseIsNoTime) {
    for (const std::string& page : std::vector<std::string>{
             "", "\r\n\r\n", "no call here", Call("Thu Dec 5 13:21:27"), Call("Thu Foo 5 13:21:27 2002"),
             Call("Thu Dec 32 13:21:27 2002"), Call("Thu Feb 29 13:21:27 2003"), Call("Thu Dec 5 24:00:00 2002"),
             Call("Thu Dec 5 13-21-27 2002"), Call("Thu Dec 5 13:21:27 20022"),
             "x = Date.parse(\"Thu Dec 5 13:21:27 2002\";"})
        EXPECT_EQ(ParsePageTime(page), 0) << page;
}

TEST(JikokuSettings, Sources) {
    JikokuSettings settings;
    EXPECT_EQ(SourceAddress(settings, SelectedSource(settings)), "ntp://ntp.nict.jp");
    settings.rbJapan = false;
    settings.rbTamaru2 = true;
    EXPECT_STREQ(SourceCaption(SelectedSource(settings)), "Tamaru標準時２");
    EXPECT_EQ(SourceAddress(settings, SelectedSource(settings)), "");
}

} // namespace
} // namespace rekko
