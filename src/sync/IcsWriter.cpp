// SPDX-License-Identifier: GPL-3.0-or-later
// The VCALENDAR, its time zone and its events through libical.
#include "IcsWriter.h"

#include "calendar/Julius.h"

#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace rekko {

namespace {

// Japan has kept +09:00 without daylight saving since 1951.
constexpr const char* kTokyoZone = "BEGIN:VTIMEZONE\r\n"
                                   "TZID:Asia/Tokyo\r\n"
                                   "BEGIN:STANDARD\r\n"
                                   "DTSTART:19700101T000000\r\n"
                                   "TZOFFSETFROM:+0900\r\n"
                                   "TZOFFSETTO:+0900\r\n"
                                   "TZNAME:JST\r\n"
                                   "END:STANDARD\r\n"
                                   "END:VTIMEZONE\r\n";

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

std::string Text(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    std::string copied(text);
    icalmemory_free_buffer(text);
    return copied;
}

icaltimetype IcalTime(const IcsMoment& moment) {
    icaltimetype time = moment.hour ? icaltime_null_time() : icaltime_null_date();
    time.year = moment.date.year;
    time.month = moment.date.month;
    time.day = moment.date.day;
    if (moment.hour)
        time.hour = *moment.hour;
    return time;
}

// A local time carries the zone's TZID; a date stands alone.
icalproperty* WithZone(icalproperty* property, const IcsMoment& moment) {
    if (moment.hour)
        icalproperty_add_parameter(property, icalparameter_new_tzid(kIcsTimeZone));
    return property;
}

icaltimetype UtcStamp(LocalDateTime utc) {
    const CalendarDate date = DateOf(utc);
    const TimeOfDay time = TimeOf(utc);
    icaltimetype value = icaltime_null_time();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    value.hour = time.hour;
    value.minute = time.minute;
    value.second = time.second;
    value.zone = icaltimezone_get_utc_timezone();
    return value;
}

icalcomponent* Event(const IcsEvent& event, const icaltimetype& stamp) {
    icalcomponent* component = icalcomponent_new_vevent();
    icalcomponent_add_property(component, icalproperty_new_uid(event.uid.c_str()));
    icalcomponent_add_property(component, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(component, WithZone(icalproperty_new_dtstart(IcalTime(event.start)), event.start));
    if (event.end)
        icalcomponent_add_property(component, WithZone(icalproperty_new_dtend(IcalTime(*event.end)), *event.end));
    if (!event.rule.empty())
        icalcomponent_add_property(component,
                                   icalproperty_new_rrule(icalrecurrencetype_from_string(event.rule.c_str())));
    icalcomponent_add_property(component, icalproperty_new_summary(event.summary.c_str()));
    if (event.colour)
        icalcomponent_add_property(component, icalproperty_new_color(event.colour->c_str()));
    return component;
}

// The record as an escaped TEXT value. libical writes the value of an unknown property with its commas bare, and a
// server that splits such a value at them (Radicale's) would keep only its first field.
std::string RecordValue(std::string_view record) {
    std::string value;
    for (const char c : record) {
        if (c == '\\' || c == ',' || c == ';')
            value += '\\';
        if (c == '\n')
            value += "\\n";
        else
            value += c;
    }
    return value;
}

// Returns the content line folded at 75 octets, never inside a UTF-8 character, with its CR LF.
std::string Folded(std::string_view line) {
    constexpr size_t kWidth = 75;
    std::string folded;
    size_t width = 0;
    for (size_t at = 0; at < line.size();) {
        const auto lead = static_cast<unsigned char>(line[at]);
        const size_t length = std::min<size_t>(lead >= 0xF0   ? 4
                                               : lead >= 0xE0 ? 3
                                               : lead >= 0xC0 ? 2
                                                              : 1,
                                               line.size() - at);
        if (width + length > kWidth) {
            folded += "\r\n ";
            width = 1;
        }
        folded.append(line.substr(at, length));
        width += length;
        at += length;
    }
    return folded + "\r\n";
}

// Returns the event's text with its record before the end line.
std::string EventText(icalcomponent* component, const IcsEvent& event) {
    std::string text = Text(component);
    constexpr std::string_view kEventEnd = "END:VEVENT\r\n";
    if (!event.record.empty() && text.ends_with(kEventEnd))
        text.insert(text.size() - kEventEnd.size(), Folded("X-REKKO-RECORD:" + RecordValue(event.record)));
    return text;
}

} // namespace

std::string WriteIcsCalendar(const std::vector<IcsEvent>& events, std::string_view name, LocalDateTime stamp) {
    std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Rekko//Rekko//JA"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalproperty* calendarName = icalproperty_new_x(std::string(name).c_str());
    icalproperty_set_x_name(calendarName, "X-WR-CALNAME");
    icalcomponent_add_property(calendar.get(), calendarName);
    const bool timed =
        std::any_of(events.begin(), events.end(), [](const IcsEvent& event) { return event.start.hour.has_value(); });
    if (timed)
        icalcomponent_add_component(calendar.get(), icalcomponent_new_from_string(kTokyoZone));
    // The events are written one at a time into the calendar's text before its end line, so that a span of decades
    // never holds all of them as libical components at once.
    std::string written = Text(calendar.get());
    constexpr std::string_view kEnd = "END:VCALENDAR\r\n";
    if (written.ends_with(kEnd))
        written.resize(written.size() - kEnd.size());
    const icaltimetype utcStamp = UtcStamp(stamp);
    for (const IcsEvent& event : events) {
        const std::unique_ptr<icalcomponent, ComponentFree> component(Event(event, utcStamp));
        written += EventText(component.get(), event);
    }
    return written.append(kEnd);
}

} // namespace rekko
