// SPDX-License-Identifier: GPL-3.0-or-later
// The holiday law on top of the rule lists: equinox days, substitute holidays and citizens' holidays.
#include "DayRules.h"

#include "Equinox.h"
#include "Julius.h"
#include "base/CommaText.h"

namespace rekko {

namespace {

// Dates of the holiday law and its amendments, as day numbers.
const int32_t kSubstituteFrom = EncodeJuliusDay(1973, 4, 12); // substitute holidays begin
const int32_t kCitizensFrom = EncodeJuliusDay(1985, 12, 27);  // citizens' holidays begin
const int32_t kLaw2007 = EncodeJuliusDay(2007, 1, 1);         // substitute may move past Monday
constexpr int32_t kFirstAutumnalEquinoxHoliday = 1948;
constexpr int32_t kFirstVernalEquinoxHoliday = 1949;

} // namespace

Status DayRules::ItemList::rebuild(const std::vector<std::string>& lines) {
    items.clear();
    for (auto& positions : byMonth)
        positions.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
        RuleLineReading reading = ReadRuleLine(lines[i]);
        if (reading.outcome == RuleLineReading::Outcome::BadNumber)
            return Failure{"数値でない項目があります: " + lines[i], {}, i + 1};
        if (reading.outcome != RuleLineReading::Outcome::Item)
            continue;
        // An item for a month beyond 12 can never match, so it is kept but not indexed.
        if (reading.item.Month <= 12)
            byMonth[reading.item.Month].push_back(static_cast<uint32_t>(items.size()));
        items.push_back(std::move(reading.item));
    }
    return Success();
}

bool DayRules::ItemList::anyMatch(int32_t year, int month, int day) const {
    for (const auto* positions : {&byMonth[0], &byMonth[month]})
        for (uint32_t i : *positions)
            if (ItemMatches(items[i], year, month, day))
                return true;
    return false;
}

Status DayRules::setHolidayList(std::vector<std::string> lines) {
    m_holidayLines = std::move(lines);
    return m_holidays.rebuild(m_holidayLines);
}

Status DayRules::setSpecialDayList(std::vector<std::string> lines) {
    m_specialLines = std::move(lines);
    return m_specials.rebuild(m_specialLines);
}

const char* DayRules::equinoxHoliday(int32_t year, int month, int day) const {
    // The equinoxes fall in March and September; other months need no evaluation of the series.
    if (!AutoEquinox || (month != 3 && month != 9))
        return nullptr;
    if (year != m_equinoxYear) {
        m_vernalEquinox = VernalEquinoxDay(year);
        m_autumnalEquinox = AutumnalEquinoxDay(year);
        m_equinoxYear = year;
    }
    const int32_t jd = EncodeJuliusDay(year, month, day);
    if (jd == m_vernalEquinox && year >= kFirstVernalEquinoxHoliday)
        return kVernalEquinoxName;
    if (jd == m_autumnalEquinox && year >= kFirstAutumnalEquinoxHoliday)
        return kAutumnalEquinoxName;
    return nullptr;
}

bool DayRules::IsNationalHoliday(int32_t jd) const {
    const CalendarDate date = DecodeJuliusDay(jd);
    return m_holidays.anyMatch(date.year, date.month, date.day) ||
           equinoxHoliday(date.year, date.month, date.day) != nullptr;
}

bool DayRules::isSubstitute(int32_t jd) const {
    if (!AutoFurikae || jd < kSubstituteFrom)
        return false;
    if (jd < kLaw2007)
        return JuliusDayOfWeek(jd) == 2;
    // From 2007 the substitute is the first day after a Sunday holiday that is not a holiday itself: walk back
    // over the run of holidays before this day. A run of seven holidays always holds a Sunday.
    for (int32_t before = jd - 1; before >= jd - 7; --before) {
        if (JuliusDayOfWeek(before) == 1)
            return true;
        if (!IsNationalHoliday(before - 1))
            return false;
    }
    return false;
}

bool DayRules::isCitizens(int32_t jd) const {
    if (!AutoKokumin || jd < kCitizensFrom)
        return false;
    if (jd < kLaw2007 && JuliusDayOfWeek(jd) == 1)
        return false;
    return IsNationalHoliday(jd + 1);
}

DayRules::Computed DayRules::computedHoliday(int32_t jd) const {
    // Both computed holidays need a national holiday on the day before; most days stop here.
    if (!IsNationalHoliday(jd - 1))
        return Computed::None;
    // A substitute holiday takes precedence: a day cannot be both, and before 2007 the law excluded it.
    if (isSubstitute(jd))
        return Computed::Substitute;
    return isCitizens(jd) ? Computed::Citizens : Computed::None;
}

uint8_t DayRules::DayKind(int32_t year, int month, int day) const {
    uint8_t kind = 0;
    if (m_specials.anyMatch(year, month, day))
        kind |= dkSpecial;
    if (m_holidays.anyMatch(year, month, day))
        kind |= dkHoliday;
    const int32_t jd = EncodeJuliusDay(year, month, day);
    const int weekday = JuliusDayOfWeek(jd);
    if (weekday == 1)
        kind |= dkSunday;
    else if (weekday == 7)
        kind |= dkSaturday;
    if (equinoxHoliday(year, month, day))
        kind |= dkHoliday;
    if (!(kind & dkHoliday)) {
        const Computed computed = computedHoliday(jd);
        if (computed == Computed::Substitute)
            kind |= dkSubstitute;
        else if (computed == Computed::Citizens)
            kind |= dkHoliday;
    }
    return kind;
}

DayNameList DayRules::DayNames(int32_t year, int month, int day) const {
    DayNameList list;
    auto add = [&list](const std::string& name, char kind) {
        list.names.push_back(name);
        list.kinds += kind;
    };
    for (const auto& item : m_specials.items)
        if (ItemMatches(item, year, month, day))
            add(item.Name, 'S');
    for (const auto& item : m_holidays.items)
        if (ItemMatches(item, year, month, day))
            add(item.Name, 'H');
    if (const char* equinox = equinoxHoliday(year, month, day))
        add(equinox, 'H');
    const int32_t jd = EncodeJuliusDay(year, month, day);
    const Computed computed = IsNationalHoliday(jd) ? Computed::None : computedHoliday(jd);
    if (computed == Computed::Substitute)
        add(kSubstituteHolidayName, 'H');
    else if (computed == Computed::Citizens)
        add(kCitizensHolidayName, 'H');
    return list;
}

DayFontKind DayFontOf(uint8_t kind, bool specialDayFont) {
    DayFontKind font = DayFontKind::Weekday;
    if (kind & dkSaturday)
        font = DayFontKind::Saturday;
    if (kind & dkSunday)
        font = DayFontKind::Sunday;
    if (kind & (dkHoliday | dkSubstitute))
        font = DayFontKind::Holiday;
    if (specialDayFont && (kind & dkSpecial))
        font = DayFontKind::SpecialDay;
    return font;
}

DayFontKind DayRules::DayFont(int32_t year, int month, int day) const {
    return DayFontOf(DayKind(year, month, day), true);
}

std::string DayNamesText(const DayNameList& names) {
    return JoinCommaText(names.names);
}

} // namespace rekko
