// SPDX-License-Identifier: GPL-3.0-or-later
// Rule lines of the holiday and special-day lists.
#include "DayRule.h"

#include "Julius.h"
#include "base/CommaText.h"

#include <charconv>
#include <vector>

namespace rekko {

namespace {

using Fields = std::vector<std::string>;

std::optional<int64_t> parseNumber(const std::string& text, int64_t min, int64_t max) {
    int64_t value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || ptr != end || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<int32_t> parseYear(const std::string& text) {
    const auto value = parseNumber(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    return value ? std::optional<int32_t>(static_cast<int32_t>(*value)) : std::nullopt;
}

std::optional<uint8_t> parseByte(const std::string& text) {
    const auto value = parseNumber(text, 0, 255);
    return value ? std::optional<uint8_t>(static_cast<uint8_t>(*value)) : std::nullopt;
}

// Applies the year and mode of the 5- and 6-field forms.
void applyYearMode(TBinaryDayListItem& item, int32_t year, const std::string& mode) {
    if (mode == "0") {
        item.FromYear = year;
        item.ToYear = year;
    } else if (mode == "1") {
        item.ToYear = year;
    } else if (mode == "2") {
        item.FromYear = year;
    }
}

bool yearPassesMode(int32_t year, int32_t ruleYear, const std::string& mode) {
    if (mode == "0")
        return year == ruleYear;
    if (mode == "1")
        return year <= ruleYear;
    if (mode == "2")
        return year >= ruleYear;
    return true;
}

// Reads fields[first], fields[first+1] as month and day, or month, week, weekday when weekForm is set.
bool readDateFields(const Fields& f, size_t first, bool weekForm, TBinaryDayListItem& item) {
    const auto month = parseByte(f[first]);
    const auto second = parseByte(f[first + 1]);
    if (!month || !second)
        return false;
    item.Month = *month;
    if (!weekForm) {
        item.Day = *second;
        return true;
    }
    const auto weekday = parseByte(f[first + 2]);
    if (!weekday)
        return false;
    item.Week = *second;
    item.DayOfWeek = *weekday;
    return true;
}

bool readSevenFields(const Fields& f, TBinaryDayListItem& item) {
    // from-year, to-year, month, day, weekday, week, name; an empty field leaves its "any" value.
    if (!f[0].empty()) {
        const auto year = parseYear(f[0]);
        if (!year)
            return false;
        item.FromYear = *year;
    }
    if (!f[1].empty()) {
        const auto year = parseYear(f[1]);
        if (!year)
            return false;
        item.ToYear = *year;
    }
    uint8_t* bytes[] = {&item.Month, &item.Day, &item.DayOfWeek, &item.Week};
    for (size_t i = 0; i < 4; ++i) {
        if (f[2 + i].empty())
            continue;
        const auto value = parseByte(f[2 + i]);
        if (!value)
            return false;
        *bytes[i] = *value;
    }
    return true;
}

} // namespace

RuleLineReading ReadRuleLine(std::string_view line) {
    const Fields f = SplitCommaText(line);
    RuleLineReading reading;
    if (f.size() < 3 || f.size() > 7)
        return reading;
    TBinaryDayListItem& item = reading.item;
    bool ok = true;
    switch (f.size()) {
    case 3:
    case 4:
        ok = readDateFields(f, 0, f.size() == 4, item);
        break;
    case 5:
    case 6: {
        const auto year = parseYear(f[0]);
        ok = year && readDateFields(f, 2, f.size() == 6, item);
        if (ok)
            applyYearMode(item, *year, f[1]);
        break;
    }
    case 7:
        ok = readSevenFields(f, item);
        break;
    }
    if (!ok) {
        reading.outcome = RuleLineReading::Outcome::BadNumber;
        reading.item = {};
        return reading;
    }
    item.Name = f.back();
    reading.outcome = RuleLineReading::Outcome::Item;
    return reading;
}

bool ItemMatches(const TBinaryDayListItem& item, int32_t year, int month, int day) {
    const bool hasFrom = item.FromYear != kNoYearLimit;
    const bool hasTo = item.ToYear != kNoYearLimit;
    if (hasFrom && !hasTo && year < item.FromYear)
        return false;
    if (!hasFrom && hasTo && year > item.ToYear)
        return false;
    if (hasFrom && hasTo) {
        if (item.ToYear >= item.FromYear && (year < item.FromYear || year > item.ToYear))
            return false;
        if (item.ToYear < item.FromYear && year < item.FromYear && year > item.ToYear)
            return false;
    }
    if (item.Month != 0 && item.Month != month)
        return false;
    if (item.Day != 0 && item.Day != day)
        return false;
    if (item.DayOfWeek == 0)
        return true;
    if (JuliusDayOfWeek(EncodeJuliusDay(year, month, day)) != item.DayOfWeek)
        return false;
    return item.Week == 0 || (day - 1) / 7 == item.Week - 1;
}

void RuleDate(std::string_view line, int32_t year, int& month, int& day, std::string& name) {
    const int filter = month;
    month = 13;
    day = 32;
    const Fields f = SplitCommaText(line);
    if (f.size() < 3 || f.size() > 6)
        return;
    size_t first = 0;
    if (f.size() >= 5) {
        const auto ruleYear = parseYear(f[0]);
        if (!ruleYear || !yearPassesMode(year, *ruleYear, f[1]))
            return;
        first = 2;
    }
    TBinaryDayListItem item;
    const bool weekForm = f.size() == 4 || f.size() == 6;
    if (!readDateFields(f, first, weekForm, item) || item.Month < 1 || item.Month > 12)
        return;
    if (filter != 0 && filter != item.Month)
        return;
    int resolved = item.Day;
    if (weekForm) {
        if (item.DayOfWeek < 1 || item.DayOfWeek > 7 || item.Week < 1)
            return;
        const int firstWeekday = JuliusDayOfWeek(EncodeJuliusDay(year, item.Month, 1));
        resolved = (item.DayOfWeek + 7 - firstWeekday) % 7 + 1 + (item.Week - 1) * 7;
    }
    if (resolved < 1 || resolved > DaysOfMonth(year, item.Month))
        return;
    month = item.Month;
    day = resolved;
    name = f.back();
}

} // namespace rekko
