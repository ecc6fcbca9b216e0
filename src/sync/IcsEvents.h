// SPDX-License-Identifier: GPL-3.0-or-later
// The iCalendar mapping of the schedule: day lines, periods, anniversaries and holidays as events, before writing.
#pragma once

#include "calendar/DayRules.h"
#include "calendar/Julius.h"

#include <optional>
#include <string>
#include <vector>

namespace rekko {

// The time zone the program's local times are in.
inline constexpr const char* kIcsTimeZone = "Asia/Tokyo";

// A date, with an hour of the day in kIcsTimeZone or none for the whole day.
struct IcsMoment {
    CalendarDate date;
    std::optional<int> hour;
    friend bool operator==(const IcsMoment&, const IcsMoment&) = default;
};

// One event: UTF-8 texts (as the writer gets them: not escaped), the record it was made from in X-REKKO-RECORD.
struct IcsEvent {
    std::string uid{};
    std::string summary{};
    std::optional<std::string> colour{}; // a CSS3 colour name
    std::string record{};
    IcsMoment start{};
    std::optional<IcsMoment> end{}; // exclusive; none: the event ends where it starts
    std::string rule{};             // an RRULE value, empty for a single event
    size_t source = 0;              // the index of the line or record it was made from, in the list given
};

// What the mapping made of a span, and how many lines it skipped as malformed.
struct IcsEvents {
    std::vector<IcsEvent> events;
    int skipped = 0;
};

// Returns a short stable digest of a text: FNV-1a of 64 bits as 16 lower-case hexadecimal digits.
std::string TextDigest(std::string_view text);

// Returns text as valid UTF-8 for iCalendar: the carried bytes that code page 932 cannot name, any byte that is not
// part of valid UTF-8 and the control characters but the tab become U+FFFD.
std::string IcsText(std::string_view text);

// Adds the lines of one month's line list that fall on days first..last as all-day events; the header line and
// empty lines give none, a line whose day is not a day of the month is counted as skipped.
void AddDayLineEvents(IcsEvents& out, int32_t year, int month, const std::vector<std::string>& lines, int first,
                      int last);

// Adds the period records that overlap the days fromJd..toJd as events from their start to their end, the parts of
// the day (morning, afternoon, evening) at 09:00, 13:00 and 18:00; a record with an invalid date is skipped.
void AddPeriodEvents(IcsEvents& out, const std::vector<std::string>& records, int32_t fromJd, int32_t toJd);

// Adds each special-day line that holds on a day up to toJd as a recurring event: DTSTART on its first day from its
// first year (else from the year of fromJd), its last year as UNTIL, a wrapped year range as two events. Lines that
// are not rules are skipped.
void AddAnniversaryEvents(IcsEvents& out, const std::vector<std::string>& specialLines, int32_t fromJd, int32_t toJd);

// Returns the holidays (names other than special days) of the days fromJd..toJd as all-day events.
std::vector<IcsEvent> HolidayEvents(const DayRules& rules, int32_t fromJd, int32_t toJd);

// Returns the RRULE value of a rule item that holds on some day, without its years: yearly with BYMONTH when it names
// a month, monthly for a day or the n-th weekday (BYDAY=nXX), weekly for a weekday, daily for none or a month only.
std::string RecurrenceRule(const TBinaryDayListItem& item);

} // namespace rekko
