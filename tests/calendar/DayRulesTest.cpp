// SPDX-License-Identifier: GPL-3.0-or-later
// Day kinds and names under the holiday law: the built-in rules, equinoxes, substitute and citizens' holidays,
// checked against the official list of holidays.
#include "calendar/DayRules.h"

#include "base/TextProcedures.h"
#include "calendar/Equinox.h"
#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace rekko {
namespace {

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
    EXPECT_FALSE(LoadHolidayFile(rules, dir / "Hday.dat")); // missing: no message, and the list stays
    EXPECT_EQ(rules.holidayList().size(), 1u);
    // Ten megabytes of special days with invalid bytes read whole.
    std::string bytes;
    while (bytes.size() < 10'000'000)
        bytes += "2026,0,12,24,\x82\xA0\x80name\xFF\r\n";
    dir.write("Sday.myc", bytes);
    EXPECT_FALSE(LoadSpecialDayFile(rules, dir / "Sday.myc"));
    EXPECT_TRUE(rules.DayKind(2026, 12, 24) & dkSpecial);
    std::filesystem::create_directory(dir / "dir.dat");
    EXPECT_EQ(LoadHolidayFile(rules, dir / "dir.dat"), std::string(kHolidayFileError));
    EXPECT_EQ(std::string(kHolidayFileError), "祭日ファイル読込ミス\r\n処理は続けます。");
}

} // namespace
} // namespace rekko
