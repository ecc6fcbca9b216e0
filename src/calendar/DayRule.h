// SPDX-License-Identifier: GPL-3.0-or-later
// One holiday or special-day rule line: its item form, matching a date, and resolving it to a date in a year.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// The year limit meaning "no limit".
constexpr int32_t kNoYearLimit = std::numeric_limits<int32_t>::min();

// A rule item; 0 in an 8-bit field means "any".
struct TBinaryDayListItem {
    uint8_t Day = 0;
    uint8_t Month = 0;
    uint8_t DayOfWeek = 0; // 1 = Sunday .. 7 = Saturday
    uint8_t Week = 0;      // week n = days 7n-6..7n of the month
    int32_t FromYear = kNoYearLimit;
    int32_t ToYear = kNoYearLimit;
    std::string Name;
};

// How a rule line reads: an item, no item (an unusable field count), or a field that is not a number in
// range (which ends the reading of the list at this line).
struct RuleLineReading {
    enum class Outcome { Item, NoItem, BadNumber } outcome = Outcome::NoItem;
    TBinaryDayListItem item;
};

// Reads a rule line of 3 to 7 comma-text fields into an item. A numeric field must be a decimal integer that
// fits its field (years 32-bit, the others 0..255); otherwise the line reads as BadNumber and gives no item.
RuleLineReading ReadRuleLine(std::string_view line);

// Answers whether an item holds on a date; a range whose ToYear is below FromYear wraps (holds for y >= From
// and for y <= To).
bool ItemMatches(const TBinaryDayListItem& item, int32_t year, int month, int day);

// Resolves a line of 3 to 6 fields to its date in a year. On entry month is a filter (0 = any month); on exit
// month 13 and day 32 mean the line gives no date in that year or month (also for 7-field lines, unreadable
// lines and a week that does not exist in that month).
void RuleDate(std::string_view line, int32_t year, int& month, int& day, std::string& name);

} // namespace rekko
