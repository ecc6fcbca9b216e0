// SPDX-License-Identifier: GPL-3.0-or-later
// The mapping of day lines, periods, special days and holidays to iCalendar events.
#include "IcsEvents.h"

#include "CssColours.h"

#include "base/CommaText.h"
#include "base/TextProcedures.h"
#include "schedule/LineAttribute.h"
#include "schedule/PeriodRecord.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace rekko {

namespace {

constexpr const char* kReplacementCharacter = "\xEF\xBF\xBD";
constexpr const char* kUidDomain = "@rekko";
// A rule that holds at all holds within 400 years of any start: the Gregorian calendar repeats itself after them.
constexpr int kRuleCycleYears = 400;

std::string DateStamp(const CalendarDate& date) {
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d", static_cast<int>(date.year), date.month, date.day);
    return stamp;
}

// Counts the occurrences of equal keys, so that identical lines get UIDs of their own in their order.
class Occurrences {
public:
    int next(const std::string& key) { return ++m_seen[key]; }

private:
    std::map<std::string, int> m_seen;
};

std::string Uid(std::string_view kind, std::string_view key, int order) {
    return std::string(kind) + "-" + TextDigest(key) + "-" + std::to_string(order) + kUidDomain;
}

IcsMoment WholeDay(int32_t jd) {
    return {DecodeJuliusDay(jd), std::nullopt};
}

// The length of a UTF-8 sequence starting with byte, 0 for a byte that cannot start one.
size_t SequenceLength(unsigned char byte) {
    return byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
}

int HourOf(DayPart part) {
    switch (part) {
    case DayPart::Morning:
        return 9;
    case DayPart::Midday:
        return 13;
    case DayPart::Evening:
        return 18;
    }
    return 9;
}

int32_t JdOf(const PeriodDate& date) {
    return EncodeJuliusDay(date.year, date.month, date.day);
}

// The first day from January 1 of a year up to the last day given on which the item holds, its years aside.
std::optional<int32_t> FirstDay(const TBinaryDayListItem& item, int32_t year, int32_t lastJd) {
    TBinaryDayListItem yearless = item;
    yearless.FromYear = yearless.ToYear = kNoYearLimit;
    for (int32_t jd = EncodeJuliusDay(year, 1, 1); jd <= lastJd; ++jd) {
        const CalendarDate date = DecodeJuliusDay(jd);
        if (ItemMatches(yearless, date.year, date.month, date.day))
            return jd;
    }
    return std::nullopt;
}

constexpr const char* kWeekdays[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

} // namespace

std::string TextDigest(std::string_view text) {
    uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

std::string IcsText(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = SequenceLength(lead);
        bool formed = length > 0 && i + length <= text.size();
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; formed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            formed = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF; // a carried byte is U+DC00 + byte
        const bool ok = formed && code >= least[length] && !surrogate && code <= 0x10FFFF;
        // Control characters other than the tab have no place in iCalendar text.
        const bool control = (code < 0x20 && code != '\t') || code == 0x7F;
        if (ok && !control)
            valid.append(text.substr(i, length));
        else
            valid += kReplacementCharacter;
        // A well-formed sequence (a carried byte among them) is replaced whole, any other bad byte alone.
        i += formed ? length : 1;
    }
    return valid;
}

void AddDayLineEvents(IcsEvents& out, int32_t year, int month, const std::vector<std::string>& lines, int first,
                      int last) {
    Occurrences occurrences;
    const int days = DaysOfMonth(year, month);
    for (size_t index = 0; index < lines.size(); ++index) {
        const std::string& line = lines[index];
        const DayLine read = ReadDayLine(line);
        if (read.day == 0)
            continue; // the header line
        if (!read.day || *read.day < 1 || *read.day > days) {
            ++out.skipped;
            continue;
        }
        const std::string text = IcsText(UnescapeDigitComma(read.text));
        if (*read.day < first || *read.day > last || TrimBlanks(text).empty())
            continue;
        const CalendarDate date{year, static_cast<uint8_t>(month), static_cast<uint8_t>(*read.day)};
        const int32_t jd = EncodeJuliusDay(year, month, *read.day);
        const std::string stamp = DateStamp(date);
        out.events.push_back(
            {.uid = Uid(stamp, text, occurrences.next(stamp + "," + text)),
             .summary = text,
             .colour = read.attribute.ownColour() ? NearestCssColourName(read.attribute.colour) : std::nullopt,
             .record = IcsText(line),
             .start = WholeDay(jd),
             .end = WholeDay(jd + 1),
             .source = index});
    }
}

void AddPeriodEvents(IcsEvents& out, const std::vector<std::string>& records, int32_t fromJd, int32_t toJd) {
    Occurrences occurrences;
    for (size_t index = 0; index < records.size(); ++index) {
        const std::string& record = records[index];
        if (TrimBlanks(record).empty() || record.starts_with("*"))
            continue; // the header and empty lines
        const PeriodFields period = ReadPeriodRecord(record, clBlue);
        if (FirstInvalidPeriodDate(period)) {
            ++out.skipped;
            continue;
        }
        const int32_t startJd = JdOf(period.start), endJd = JdOf(period.end);
        if (endJd < fromJd || startJd > toJd)
            continue;
        const IcsMoment start{DecodeJuliusDay(startJd), HourOf(period.startPart)};
        const IcsMoment end{DecodeJuliusDay(endJd), HourOf(period.endPart)};
        const bool endsLater = endJd > startJd || *end.hour > *start.hour;
        out.events.push_back({.uid = Uid("period", record, occurrences.next(record)),
                              .summary = IcsText(period.text),
                              .colour = NearestCssColourName(period.colour),
                              .record = IcsText(record),
                              .start = start,
                              .end = endsLater ? std::optional(end) : std::nullopt,
                              .source = index});
    }
}

void AddAnniversaryEvents(IcsEvents& out, const std::vector<std::string>& specialLines, int32_t fromJd, int32_t toJd) {
    const int32_t fromYear = DecodeJuliusDay(fromJd).year;
    Occurrences occurrences;
    for (size_t index = 0; index < specialLines.size(); ++index) {
        const std::string& line = specialLines[index];
        if (TrimBlanks(line).empty())
            continue;
        const RuleLineReading reading = ReadRuleLine(line);
        if (reading.outcome != RuleLineReading::Outcome::Item) {
            ++out.skipped;
            continue;
        }
        const TBinaryDayListItem& item = reading.item;
        const bool hasFrom = item.FromYear != kNoYearLimit, hasTo = item.ToYear != kNoYearLimit;
        // Each span of years: its first year and its last, if any. A wrapped range holds from its first year on
        // and up to its last year.
        std::vector<std::pair<int32_t, std::optional<int32_t>>> spans;
        if (hasFrom && hasTo && item.ToYear < item.FromYear) {
            spans.push_back({item.FromYear, std::nullopt});
            spans.push_back({fromYear, item.ToYear});
        } else {
            spans.push_back({hasFrom ? item.FromYear : fromYear, hasTo ? std::optional(item.ToYear) : std::nullopt});
        }
        // The anniversaries of the schedule dialog store blanks as full-width ones.
        std::string name = UnescapeDigitComma(item.Name);
        if (SplitCommaText(line).size() == 7)
            name = ReplaceAll(name, "　", " ");
        const int order = occurrences.next(line);
        for (size_t s = 0; s < spans.size(); ++s) {
            const auto [first, last] = spans[s];
            const int32_t searchTo = std::min(last.value_or(first + kRuleCycleYears), first + kRuleCycleYears);
            const int32_t lastJd = std::min(EncodeJuliusDay(searchTo, 12, 31), toJd);
            const auto firstJd = FirstDay(item, first, lastJd);
            if (!firstJd)
                continue;
            std::string rule = RecurrenceRule(item);
            if (last)
                rule += ";UNTIL=" + DateStamp({*last, 12, 31});
            out.events.push_back(
                {.uid = Uid("sday", line, order) + (spans.size() > 1 ? "-" + std::to_string(s + 1) : std::string()),
                 .summary = IcsText(name),
                 .record = IcsText(line),
                 .start = WholeDay(*firstJd),
                 .end = WholeDay(*firstJd + 1),
                 .rule = rule,
                 .source = index});
        }
    }
}

std::vector<IcsEvent> HolidayEvents(const DayRules& rules, int32_t fromJd, int32_t toJd) {
    std::vector<IcsEvent> events;
    for (int32_t jd = fromJd; jd <= toJd; ++jd) {
        const CalendarDate date = DecodeJuliusDay(jd);
        const DayNameList names = rules.DayNames(date.year, date.month, date.day);
        for (size_t i = 0; i < names.names.size(); ++i) {
            if (names.kinds[i] == 'S')
                continue;
            events.push_back({.uid = "holiday-" + DateStamp(date) + "-" + std::to_string(i + 1) + kUidDomain,
                              .summary = IcsText(names.names[i]),
                              .start = WholeDay(jd),
                              .end = WholeDay(jd + 1)});
        }
    }
    return events;
}

std::string RecurrenceRule(const TBinaryDayListItem& item) {
    // The week counts only with a weekday: week n is days 7n-6..7n, the n-th such weekday of the month.
    const bool weekday = item.DayOfWeek != 0;
    const bool nthWeekday = weekday && item.Week != 0 && !item.Day;
    std::string rule = item.Month               ? (item.Day || weekday ? "FREQ=YEARLY" : "FREQ=DAILY")
                       : item.Day || nthWeekday ? "FREQ=MONTHLY"
                       : weekday                ? "FREQ=WEEKLY"
                                                : "FREQ=DAILY";
    if (item.Month)
        rule += ";BYMONTH=" + std::to_string(item.Month);
    if (item.Day)
        rule += ";BYMONTHDAY=" + std::to_string(item.Day);
    if (weekday)
        rule +=
            ";BYDAY=" + (nthWeekday ? std::to_string(item.Week) : std::string()) + kWeekdays[(item.DayOfWeek + 6) % 7];
    return rule;
}

} // namespace rekko
