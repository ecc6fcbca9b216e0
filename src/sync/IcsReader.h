// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one event of a VCALENDAR from a calendar server through libical: what the sync needs of it.
#pragma once

#include "calendar/Julius.h"

#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// A date, with a time of day in minutes after midnight in Tokyo, or none for the whole day.
struct IcsTime {
    CalendarDate date;
    std::optional<int> minute;
    friend bool operator==(const IcsTime&, const IcsTime&) = default;
};

// The fields of one event, texts in UTF-8 as libical unescaped them.
struct ParsedEvent {
    std::string uid{};
    std::string summary{};
    IcsTime start{};
    std::optional<IcsTime> end{};        // exclusive, as DTEND (or DTSTART + DURATION) gives it; none when not given
    bool recurring = false;              // RRULE or RDATE present
    std::optional<std::string> record{}; // X-REKKO-RECORD, when the event still carries it
};

// Reads the first VEVENT of one VCALENDAR (or a bare VEVENT). Times in UTC or in a named zone the calendar or
// libical knows are converted to Tokyo time; floating times are taken as Tokyo time. Nothing for text that holds no
// event, an event without DTSTART, or a date outside the years 1..3000.
std::optional<ParsedEvent> ParseIcsEvent(std::string_view ics);

} // namespace rekko
