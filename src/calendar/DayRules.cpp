// The holiday law on top of the rule lists: equinox days, substitute holidays and citizens' holidays.
#include "DayRules.h"

#include "CommaText.h"
#include "Equinox.h"
#include "Julius.h"

namespace rekko {

namespace {

// Dates of the holiday law and its amendments, as day numbers.
const int32_t kSubstituteFrom = EncodeJuliusDay(1973, 4, 12); // substitute holidays begin
const int32_t kCitizensFrom = EncodeJuliusDay(1985, 12, 27);  // citizens' holidays begin
const int32_t kLaw2007 = EncodeJuliusDay(2007, 1, 1);         // substitute may move past Monday
constexpr int32_t kFirstAutumnalEquinoxHoliday = 1948;
constexpr int32_t kFirstVernalEquinoxHoliday = 1949;

Status buildItems(const std::vector<std::string>& lines, std::vector<TBinaryDayListItem>& items) {
    items.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
        RuleLineReading reading = ReadRuleLine(lines[i]);
        if (reading.outcome == RuleLineReading::Outcome::BadNumber)
            return Failure{"数値でない項目があります: " + lines[i], {}, i + 1};
        if (reading.outcome == RuleLineReading::Outcome::Item)
            items.push_back(std::move(reading.item));
    }
    return Success();
}

bool anyMatch(const std::vector<TBinaryDayListItem>& items, int32_t year, int month, int day) {
    for (const auto& item : items)
        if (ItemMatches(item, year, month, day))
            return true;
    return false;
}

} // namespace

Status DayRules::setHolidayList(std::vector<std::string> lines) {
    m_holidayLines = std::move(lines);
    return buildItems(m_holidayLines, m_holidayItems);
}

Status DayRules::setSpecialDayList(std::vector<std::string> lines) {
    m_specialLines = std::move(lines);
    return buildItems(m_specialLines, m_specialItems);
}

const char* DayRules::equinoxHoliday(int32_t year, int month, int day) const {
    if (!AutoEquinox)
        return nullptr;
    // The equinoxes fall in March and September; other months need no evaluation of the series.
    if (month == 3 && year >= kFirstVernalEquinoxHoliday && IsVernalEquinox(year, month, day))
        return kVernalEquinoxName;
    if (month == 9 && year >= kFirstAutumnalEquinoxHoliday && IsAutumnalEquinox(year, month, day))
        return kAutumnalEquinoxName;
    return nullptr;
}

bool DayRules::IsNationalHoliday(int32_t jd) const {
    const CalendarDate date = DecodeJuliusDay(jd);
    return anyMatch(m_holidayItems, date.year, date.month, date.day) ||
           equinoxHoliday(date.year, date.month, date.day) != nullptr;
}

bool DayRules::isSubstitute(int32_t jd) const {
    if (!AutoFurikae || jd < kSubstituteFrom)
        return false;
    if (jd < kLaw2007)
        return JuliusDayOfWeek(jd) == 2 && IsNationalHoliday(jd - 1);
    // From 2007 the substitute is the first day after a Sunday holiday that is not a holiday itself: walk back
    // over the run of holidays before this day. A run of seven holidays always holds a Sunday.
    for (int32_t before = jd - 1; before >= jd - 7; --before) {
        if (!IsNationalHoliday(before))
            return false;
        if (JuliusDayOfWeek(before) == 1)
            return true;
    }
    return false;
}

bool DayRules::isCitizens(int32_t jd) const {
    if (!AutoKokumin || jd < kCitizensFrom)
        return false;
    if (jd < kLaw2007 && JuliusDayOfWeek(jd) == 1)
        return false;
    return IsNationalHoliday(jd - 1) && IsNationalHoliday(jd + 1);
}

DayRules::Computed DayRules::computedHoliday(int32_t jd) const {
    if (IsNationalHoliday(jd))
        return Computed::None;
    // A substitute holiday takes precedence: a day cannot be both, and before 2007 the law excluded it.
    if (isSubstitute(jd))
        return Computed::Substitute;
    return isCitizens(jd) ? Computed::Citizens : Computed::None;
}

uint8_t DayRules::DayKind(int32_t year, int month, int day) const {
    uint8_t kind = 0;
    if (anyMatch(m_specialItems, year, month, day))
        kind |= dkSpecial;
    if (anyMatch(m_holidayItems, year, month, day))
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
    for (const auto& item : m_specialItems)
        if (ItemMatches(item, year, month, day))
            add(item.Name, 'S');
    for (const auto& item : m_holidayItems)
        if (ItemMatches(item, year, month, day))
            add(item.Name, 'H');
    if (const char* equinox = equinoxHoliday(year, month, day))
        add(equinox, 'H');
    const Computed computed = computedHoliday(EncodeJuliusDay(year, month, day));
    if (computed == Computed::Substitute)
        add(kSubstituteHolidayName, 'H');
    else if (computed == Computed::Citizens)
        add(kCitizensHolidayName, 'H');
    return list;
}

DayFontKind DayRules::DayFont(int32_t year, int month, int day) const {
    const uint8_t kind = DayKind(year, month, day);
    DayFontKind font = DayFontKind::Weekday;
    if (kind & dkSaturday)
        font = DayFontKind::Saturday;
    if (kind & dkSunday)
        font = DayFontKind::Sunday;
    if (kind & (dkHoliday | dkSubstitute))
        font = DayFontKind::Holiday;
    if (kind & dkSpecial)
        font = DayFontKind::SpecialDay;
    return font;
}

std::string DayNamesText(const DayNameList& names) { return JoinCommaText(names.names); }

} // namespace rekko
