// SPDX-License-Identifier: GPL-3.0-or-later
// Rule lines (their forms, bad lines, matching with year ranges) and day kinds and names under the holiday law: the
// built-in rules, equinoxes, substitute and citizens' holidays, checked against the official list of holidays.
#include "calendar/DayRules.h"
#include "base/TextProcedures.h"
#include "calendar/DayRule.h"
#include "calendar/Equinox.h"
#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace rekko {
namespace {

using Outcome = RuleLineReading::Outcome;

TBinaryDayListItem itemOf(std::string_view line) {
    const RuleLineReading reading = ReadRuleLine(line);
    EXPECT_EQ(reading.outcome, Outcome::Item) << line;
    return reading.item;
}

bool holds(std::string_view line, int32_t y, int m, int d) {
    return ItemMatches(itemOf(line), y, m, d);
}

TEST(DayRule, FieldCountSelectsTheForm) {
    const TBinaryDayListItem three = itemOf("12,24,Eve");
    EXPECT_EQ(std::tuple(three.Month, three.Day, three.Name, three.FromYear), std::tuple(12, 24, "Eve", kNoYearLimit));
    // 4 fields: month, week, weekday; the third Sunday of May and the first Monday.
    EXPECT_TRUE(holds("5,3,1,x", 2026, 5, 17));
    EXPECT_FALSE(holds("5,3,1,x", 2026, 5, 10));
    // The 7-field form is the one of the built-in holidays, checked day by day against the official list.
}

TEST(DayRule, YearModesAndWrappedRanges) {
    for (int32_t year : {2000, 2001, 2002}) {
        EXPECT_EQ(holds("2001,0,12,24,x", year, 12, 24), year == 2001);
        EXPECT_EQ(holds("2001,1,12,24,x", year, 12, 24), year <= 2001);
        EXPECT_EQ(holds("2001,2,12,24,x", year, 12, 24), year >= 2001);
        EXPECT_TRUE(holds("2001,3,12,24,x", year, 12, 24));
    }
    // A 7-field range whose end lies before its start holds outside the gap.
    for (int32_t year = 1998; year <= 2007; ++year)
        EXPECT_EQ(holds("2005,2000,1,1,,,x", year, 1, 1), year <= 2000 || year >= 2005) << year;
}

TEST(DayRule, UnusableLinesGiveNoItemAndBadFieldsAreBadNumbers) {
    const std::string thirty = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30";
    for (const std::string& line : {std::string(), std::string("   "), std::string("1,2"), std::string("1,1,,,,,,x"),
                                    thirty, std::string("\"1,1,x")})
        EXPECT_EQ(ReadRuleLine(line).outcome, Outcome::NoItem) << line;
    // The name's first word lands in the weekday field of the 4-field form.
    for (const char* line :
         {"12 24 Christmas Eve", "1,,x", "2001,0,12,,x", "1,256,x", "1,-1,x", "99999999999,,1,1,,,x", "1,1,1,1,1,1x,x"})
        EXPECT_EQ(ReadRuleLine(line).outcome, Outcome::BadNumber) << line;
    // Values that fit their fields but name no date give items that never match a real date.
    EXPECT_FALSE(holds("13,1,x", 2026, 1, 1));
    EXPECT_FALSE(holds("1,9,1,x", 2026, 1, 4));
    EXPECT_FALSE(holds("1,1,8,x", 2026, 1, 4));
    EXPECT_EQ(itemOf("1,1," + std::string(65536, 'n')).Name.size(), 65536u); // a 64 KB name is kept whole
}

TEST(DayRule, RuleDateResolvesFixedAndWeekdayLines) {
    auto resolve = [](std::string_view line, int32_t year, int filter = 0) {
        int month = filter, day = 0;
        std::string name;
        RuleDate(line, year, month, day, name);
        return std::tuple(month, day, name);
    };
    EXPECT_EQ(resolve("11,3,文化の日", 2026), std::tuple(11, 3, std::string("文化の日")));
    EXPECT_EQ(resolve("1,2,2,成人の日", 2026), std::tuple(1, 12, std::string("成人の日")));
    EXPECT_EQ(resolve("2026,0,9,3,2,敬老の日", 2026), std::tuple(9, 21, std::string("敬老の日")));
    EXPECT_EQ(std::get<0>(resolve("2026,0,9,3,2,敬老の日", 2027)), 13);
    EXPECT_EQ(std::get<1>(resolve("11,3,x", 2026, 12)), 32);
    EXPECT_EQ(std::get<0>(resolve("2,5,1,x", 2026)), 13); // no fifth Sunday in February 2026
}

class HolidayLaw : public ::testing::Test {
protected:
    HolidayLaw() { EXPECT_TRUE(rules.setHolidayList(BuiltinHolidayList()).ok()); }

    uint8_t kind(int32_t y, int m, int d) const { return rules.DayKind(y, m, d); }
    std::string names(int32_t y, int m, int d) const { return DayNamesText(rules.DayNames(y, m, d)); }

    DayRules rules;
};

// The official list below fixes which days are holidays from 1970 to 2030; these are the names, the days outside
// that span, and the switches that turn the computed holidays off.
TEST_F(HolidayLaw, NamesEdgesOfTheLawAndTheSwitches) {
    const std::tuple<int32_t, int, int, const char*> cases[] = {
        {2000, 1, 10, "成人の日"},   {2003, 7, 21, "海の日"},     {2020, 7, 24, "スポーツの日"},
        {2021, 8, 8, "山の日"},      {2009, 5, 6, "振替休日"},    {2009, 5, 4, "みどりの日"},
        {2026, 9, 22, "国民の休日"}, {2032, 9, 21, "国民の休日"}, {2025, 9, 23, "秋分の日"},
    };
    for (const auto& [y, m, d, name] : cases)
        EXPECT_EQ(names(y, m, d), name) << y << "-" << m << "-" << d;
    // Equinox holidays begin with the law: the autumnal one in 1948, the vernal one in 1949.
    const CalendarDate v48 = DecodeJuliusDay(VernalEquinoxDay(1948));
    EXPECT_FALSE(kind(1948, v48.month, v48.day) & dkHoliday);
    const CalendarDate a48 = DecodeJuliusDay(AutumnalEquinoxDay(1948));
    EXPECT_EQ(names(1948, a48.month, a48.day), "秋分の日");

    rules.AutoEquinox = rules.AutoFurikae = rules.AutoKokumin = false;
    EXPECT_EQ(names(2025, 9, 23) + names(2009, 5, 6), "");
    EXPECT_EQ(kind(2005, 5, 4), 0); // between two holidays that stay
}

// Every day of 1970-2030 against the official list: holidays, substitute and citizens' holidays.
TEST_F(HolidayLaw, EveryHolidayFrom1970To2030MatchesTheOfficialList) {
    std::ifstream in(test::TestDataDir() / "jp-holidays-1970-2030.txt");
    ASSERT_TRUE(in);
    std::map<int32_t, char> official; // day number -> 'h', 's' or 'k'
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const int year = std::stoi(line.substr(0, 4));
        for (const auto& entry : SplitAt(line.substr(6), ' ')) {
            const int32_t jd = EncodeJuliusDay(year, std::stoi(entry.substr(0, 2)), std::stoi(entry.substr(3, 2)));
            official[jd] = entry.size() > 5 ? entry[5] : 'h';
        }
    }
    ASSERT_GT(official.size(), 900u);
    for (int32_t jd = EncodeJuliusDay(1970, 1, 1); jd <= EncodeJuliusDay(2030, 12, 31); ++jd) {
        const CalendarDate date = DecodeJuliusDay(jd);
        const uint8_t dayKind = kind(date.year, date.month, date.day);
        const std::string dayNames = names(date.year, date.month, date.day);
        const char actual = (dayKind & dkSubstitute) ? 's'
                            : (dayKind & dkHoliday)  ? (dayNames == "国民の休日" ? 'k' : 'h')
                                                     : '-';
        EXPECT_EQ(actual, official.contains(jd) ? official[jd] : '-')
            << date.year << "-" << int(date.month) << "-" << int(date.day) << " " << dayNames;
    }
}

TEST_F(HolidayLaw, NamesComeInListOrderWithKinds) {
    ASSERT_TRUE(rules.setSpecialDayList({"1,1,誕生日", "2026,0,1,1,初詣　参り", "1,1,\"a,b\""}).ok());
    const DayNameList list = rules.DayNames(2026, 1, 1);
    EXPECT_EQ(list.names, (std::vector<std::string>{"誕生日", "初詣　参り", "a,b", "元旦"}));
    EXPECT_EQ(list.kinds, "SSSH");
    EXPECT_EQ(DayNamesText(list), "誕生日,初詣　参り,\"a,b\",元旦");
    EXPECT_EQ(kind(2026, 1, 1), dkHoliday | dkSpecial);
    EXPECT_EQ(rules.DayFont(2026, 1, 1), DayFontKind::SpecialDay);
    EXPECT_EQ(rules.DayFont(2026, 12, 6), DayFontKind::Sunday);
    EXPECT_EQ(rules.DayFont(2026, 5, 6), DayFontKind::Holiday);
}

TEST(DayRules, ABadNumberStopsTheReadingAtItsLine) {
    DayRules rules;
    const Status status = rules.setSpecialDayList({"1,2,before", "12 24 Christmas Eve", "1,3,after"});
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().line, 2u);
    EXPECT_EQ(rules.specialDayList().size(), 3u); // the lines themselves are kept
    EXPECT_TRUE(rules.DayKind(2026, 1, 2) & dkSpecial);
    EXPECT_FALSE(rules.DayKind(2026, 1, 3) & dkSpecial);
    EXPECT_FALSE(rules.DayKind(2026, 12, 24) & dkSpecial);
}

TEST(RuleFiles, ReadsFilesWithTheirMessagesAndKeepsListsWhenMissing) {
    test::TempDir dir;
    DayRules rules;
    ASSERT_TRUE(rules.setHolidayList({"1,1,x"}).ok());
    EXPECT_FALSE(RuleFile(RuleList::Holidays, dir / "Hday.dat").load(rules)); // missing: no message, and the list stays
    EXPECT_EQ(rules.holidayList().size(), 1u);
    // Ten megabytes of special days with invalid bytes read whole.
    std::string bytes;
    while (bytes.size() < 10'000'000)
        bytes += "2026,0,12,24,\x82\xA0\x80name\xFF\r\n";
    dir.write("Sday.myc", bytes);
    EXPECT_FALSE(RuleFile(RuleList::SpecialDays, dir / "Sday.myc").load(rules));
    EXPECT_TRUE(rules.DayKind(2026, 12, 24) & dkSpecial);
    std::filesystem::create_directory(dir / "dir.dat");
    EXPECT_EQ(RuleFile(RuleList::Holidays, dir / "dir.dat").load(rules), std::string(kHolidayFileError));
}

} // namespace
} // namespace rekko
