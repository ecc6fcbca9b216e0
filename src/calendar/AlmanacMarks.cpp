// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the almanac marks, and the almanac of a day gathered from the shipped tables.
#include "AlmanacMarks.h"

#include "Kanshi.h"
#include "SeasonalDays.h"
#include "SolarTerms.h"

#include <array>
#include <utility>
#include <vector>

namespace rekko {

namespace {

// Branch numbers: 0 子, 1 丑, 2 寅, 3 卯, 4 辰, 5 巳, 6 午, 7 未, 8 申, 9 酉, 10 戌, 11 亥.

// 天赦日: in spring (solar months 1-3, 立春 to the day before 立夏) the 戊寅 day, in summer 甲午, in autumn 戊申, in
// winter 甲子 (Japanese Wikipedia, 天赦日; the goo dictionary entry 天赦日 gives the same four days).
constexpr std::array<int, 4> kTenshaKanshi = {14, 30, 44, 0}; // 戊寅, 甲午, 戊申, 甲子

// 一粒万倍日: two branches for each solar month, from 正月 (立春) to 十二月 (小寒), as Japanese Wikipedia
// (一粒万倍日, 日取り) lists them; this is the "A" reading of ffortune.net's こよみの読み方 (60), the one most
// almanacs print.
constexpr std::array<std::pair<int, int>, 12> kManbaiBranches = {{
    {1, 6},  // 正月: 丑, 午
    {9, 2},  // 二月: 酉, 寅
    {0, 3},  // 三月: 子, 卯
    {3, 4},  // 四月: 卯, 辰
    {5, 6},  // 五月: 巳, 午
    {9, 6},  // 六月: 酉, 午
    {0, 7},  // 七月: 子, 未
    {3, 8},  // 八月: 卯, 申
    {9, 6},  // 九月: 酉, 午
    {9, 10}, // 十月: 酉, 戌
    {11, 0}, // 十一月: 亥, 子
    {3, 0},  // 十二月: 卯, 子
}};

// 不成就日: by the old-calendar month, every eighth day from a first day that months m and m + 6 share: 1・7月
// from the 3rd, 2・8月 the 2nd, 3・9月 the 1st, 4・10月 the 4th, 5・11月 the 5th, 6・12月 the 6th (Japanese
// Wikipedia, 不成就日; ffortune.net, こよみの読み方 (60)).
constexpr std::array<int, 6> kFujojuFirstDay = {3, 2, 1, 4, 5, 6};

constexpr std::array<std::string_view, 3> kMarkNames = {"天赦日", "一粒万倍日", "不成就日"};
// 一粒万倍日 is also called 万倍 alone (Japanese Wikipedia, 一粒万倍日).
constexpr std::array<std::string_view, 3> kMarkShortNames = {"天赦", "万倍", "不成就"};

} // namespace

AlmanacMarks almanacMarksOf(int solarMonth, int dayKanshi, OldDate oldDate) {
    AlmanacMarks marks;
    if (solarMonth >= 1 && solarMonth <= 12) {
        const size_t month = static_cast<size_t>(solarMonth - 1);
        marks.tenshanichi = dayKanshi == kTenshaKanshi[month / 3];
        const int branch = kanshiBranch(dayKanshi);
        marks.ichiryuManbaibi = branch == kManbaiBranches[month].first || branch == kManbaiBranches[month].second;
    }
    if (oldDate.monthCode != 0) {
        const int month = oldDate.monthCode % 100;
        marks.fujojubi = (oldDate.day - kFujojuFirstDay[static_cast<size_t>((month - 1) % 6)]) % 8 == 0;
    }
    return marks;
}

std::vector<std::string_view> almanacMarkNames(const AlmanacMarks& marks, MarkNames form) {
    const std::array<bool, 3> set = {marks.tenshanichi, marks.ichiryuManbaibi, marks.fujojubi};
    std::vector<std::string_view> names;
    for (size_t i = 0; i < set.size(); ++i)
        if (set[i])
            names.push_back(form == MarkNames::Full ? kMarkNames[i] : kMarkShortNames[i]);
    return names;
}

DayAlmanac dayAlmanacOf(int32_t jd) {
    const std::vector<SolarLongitudeDay>& table = solarTermTable();
    DayAlmanac almanac;
    almanac.solarTerm = solarTermName(solarLongitudeOn(table, jd));
    almanac.seasonalDay = seasonalDayOf(table, jd);
    almanac.kanshi = kanshiOfDay(jd);
    almanac.yearKanshi = kanshiOfYear(almanacYearOf(table, jd));
    almanac.marks = almanacMarksOf(solarMonthOf(table, jd), almanac.kanshi, findOldDate(oldMonthTable(), jd));
    return almanac;
}

std::vector<std::string> almanacNotes(const DayAlmanac& almanac, bool terms, bool marks) {
    std::vector<std::string> notes;
    if (terms) {
        for (const std::string_view note : {almanac.solarTerm, almanac.seasonalDay})
            if (!note.empty())
                notes.emplace_back(note);
    }
    if (marks) {
        for (const std::string_view name : almanacMarkNames(almanac.marks, MarkNames::Short))
            notes.emplace_back(name);
        notes.push_back(kanshiName(almanac.kanshi));
    }
    return notes;
}

std::vector<std::string> almanacLines(const DayAlmanac& almanac, bool terms, bool marks) {
    const auto joined = [](const std::vector<std::string_view>& names) {
        std::string line;
        for (const std::string_view name : names)
            if (!name.empty())
                line += (line.empty() ? "" : " ") + std::string(name);
        return line;
    };
    std::vector<std::string> lines;
    if (terms)
        lines.push_back(joined({almanac.solarTerm, almanac.seasonalDay}));
    if (marks) {
        lines.push_back(joined(almanacMarkNames(almanac.marks)));
        lines.push_back(kanshiName(almanac.kanshi) + "日 " + kanshiName(almanac.yearKanshi) + "年");
    }
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

} // namespace rekko
