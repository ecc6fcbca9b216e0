// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: holiday and special-day rule lines read into items, and the kind and names of the days they name.
#include "FuzzCheck.h"

#include "base/TextFile.h"
#include "calendar/DayRules.h"
#include "calendar/Julius.h"

#include <algorithm>

using namespace rekko;

namespace {

// A date a rule may name in one of the years it mentions, or nothing outside the calendar's range and in the gap
// of the reform.
std::optional<CalendarDate> probeDate(const TBinaryDayListItem& item, int32_t year) {
    if (year < -4712 || year > 9999)
        return std::nullopt;
    const int month = item.Month >= 1 && item.Month <= 12 ? item.Month : 1;
    const int days = DaysOfMonth(year, month);
    int day = item.Day >= 1 && item.Day <= days ? item.Day : 1;
    if (item.Week >= 1 && item.Week <= 5)
        day = std::min(days, 7 * item.Week - 6);
    if (year == 1582 && month == 10 && day >= 5 && day <= 14)
        return std::nullopt;
    return CalendarDate{year, static_cast<uint8_t>(month), static_cast<uint8_t>(day)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> lines = ParseTextBytes(fuzz::BytesOf(data, size)).lines();
    // The items in force: reading stops at the first line with a field that is not a number in range.
    std::vector<TBinaryDayListItem> items;
    for (const std::string& line : lines) {
        const RuleLineReading reading = ReadRuleLine(line);
        if (reading.outcome == RuleLineReading::Outcome::BadNumber)
            break;
        if (reading.outcome == RuleLineReading::Outcome::Item)
            items.push_back(reading.item);
    }
    DayRules holidays;
    const bool holidaysRead = holidays.setHolidayList(lines).ok();
    DayRules specials;
    FUZZ_CHECK(specials.setSpecialDayList(lines).ok() == holidaysRead);

    for (size_t i = 0; i < std::min<size_t>(items.size(), 8); ++i) {
        for (const int32_t year : {items[i].FromYear, items[i].ToYear, 2024}) {
            const auto date = probeDate(items[i], year);
            if (!date)
                continue;
            const auto [y, m, d] = *date;
            std::vector<std::string> matching;
            for (const TBinaryDayListItem& item : items)
                if (ItemMatches(item, y, m, d))
                    matching.push_back(item.Name);
            const uint8_t weekday = JuliusDayOfWeek(EncodeJuliusDay(y, m, d));
            const uint8_t kind = holidays.DayKind(y, m, d);
            FUZZ_CHECK(((kind & dkSunday) != 0) == (weekday == 1));
            FUZZ_CHECK(((kind & dkSaturday) != 0) == (weekday == 7));
            FUZZ_CHECK(matching.empty() || (kind & dkHoliday));
            FUZZ_CHECK(((specials.DayKind(y, m, d) & dkSpecial) != 0) == !matching.empty());
            const DayNameList names = specials.DayNames(y, m, d);
            FUZZ_CHECK(names.names.size() == names.kinds.size() && names.names.size() >= matching.size());
            FUZZ_CHECK(std::equal(matching.begin(), matching.end(), names.names.begin()));
            (void)holidays.DayFont(y, m, d);
            int month = 0, day = 0;
            std::string name;
            RuleDate(lines[0], y, month, day, name);
        }
    }
    return 0;
}
