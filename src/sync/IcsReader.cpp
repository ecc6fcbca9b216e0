// SPDX-License-Identifier: GPL-3.0-or-later
// One VEVENT of a server's VCALENDAR read with libical.
#include "IcsReader.h"

#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace rekko {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

constexpr int kMinutesPerHour = 60;
constexpr int kTokyoHoursAheadOfUtc = 9;
// libical writes no date after the year 3000, so none is taken from a server either.
constexpr int kLastYear = 3000;

std::optional<IcsTime> TimeOf(icaltimetype time) {
    if (icaltime_is_null_time(time))
        return std::nullopt;
    if (!time.is_date && time.zone != nullptr) {
        time = icaltime_convert_to_zone(time, icaltimezone_get_utc_timezone());
        time.zone = nullptr;
        icaltime_adjust(&time, 0, kTokyoHoursAheadOfUtc, 0, 0);
    }
    if (time.year < 1 || time.year > kLastYear || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > DaysOfMonth(time.year, time.month))
        return std::nullopt;
    IcsTime read{{time.year, static_cast<uint8_t>(time.month), static_cast<uint8_t>(time.day)}, std::nullopt};
    if (!time.is_date) {
        if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute >= kMinutesPerHour)
            return std::nullopt;
        read.minute = time.hour * kMinutesPerHour + time.minute;
    }
    return read;
}

constexpr std::string_view kRecordName = "X-REKKO-RECORD";

// The blanks that open and close the record's value in the text: libical's parser drops them, but a day line starts
// with one and a period's text may end with some.
std::pair<std::string, std::string> BlanksAroundRecord(std::string_view ics) {
    std::string unfolded;
    for (size_t i = 0; i < ics.size(); ++i) {
        if (ics[i] == '\r' && i + 1 < ics.size() && ics[i + 1] == '\n')
            continue;
        if (ics[i] == '\n' && i + 1 < ics.size() && (ics[i + 1] == ' ' || ics[i + 1] == '\t')) {
            ++i;
            continue;
        }
        unfolded += ics[i];
    }
    const size_t at = unfolded.find(std::string("\n") + std::string(kRecordName));
    if (at == std::string::npos)
        return {};
    const size_t end = std::min(unfolded.find_first_of("\r\n", at + 1), unfolded.size());
    bool quoted = false;
    size_t colon = at + 1 + kRecordName.size();
    for (; colon < end && (quoted || unfolded[colon] != ':'); ++colon)
        quoted = unfolded[colon] == '"' ? !quoted : quoted;
    if (colon >= end)
        return {};
    const std::string_view value = std::string_view(unfolded).substr(colon + 1, end - colon - 1);
    const size_t first = std::min(value.find_first_not_of(' '), value.size());
    const size_t last = value.find_last_not_of(' ');
    return {std::string(first, ' '), std::string(last == std::string_view::npos ? 0 : value.size() - last - 1, ' ')};
}

std::optional<std::string> RecordOf(icalcomponent* event, std::string_view ics) {
    for (icalproperty* property = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const char* name = icalproperty_get_x_name(property);
        const char* value = icalproperty_get_x(property);
        if (name && value && std::string_view(name) == kRecordName) {
            const auto [before, after] = BlanksAroundRecord(ics);
            std::string record = value;
            if (!record.starts_with(before))
                record.insert(0, before);
            if (!record.ends_with(after))
                record += after;
            return record;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ParsedEvent> ParseIcsEvent(std::string_view ics) {
    const std::string text(ics.substr(0, ics.find('\0')));
    std::unique_ptr<icalcomponent, ComponentFree> root(icalparser_parse_string(text.c_str()));
    if (!root)
        return std::nullopt;
    icalcomponent* event = icalcomponent_isa(root.get()) == ICAL_VEVENT_COMPONENT
                               ? root.get()
                               : icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT);
    if (!event)
        return std::nullopt;
    const auto start = TimeOf(icalcomponent_get_dtstart(event));
    if (!start)
        return std::nullopt;
    ParsedEvent parsed;
    parsed.start = *start;
    if (icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY) ||
        icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY))
        parsed.end = TimeOf(icalcomponent_get_dtend(event));
    const char* uid = icalcomponent_get_uid(event);
    parsed.uid = uid ? uid : "";
    const char* summary = icalcomponent_get_summary(event);
    parsed.summary = summary ? summary : "";
    parsed.recurring = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) != nullptr ||
                       icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY) != nullptr;
    parsed.record = RecordOf(event, text);
    return parsed;
}

} // namespace rekko
