// SPDX-License-Identifier: GPL-3.0-or-later
// The sync's two directions of the mapping: the keys by which local lines are matched, and the local line a server
// event comes down as.
#pragma once

#include "IcsEvents.h"
#include "IcsReader.h"

#include "schedule/LineAttribute.h"

#include <optional>
#include <string>
#include <string_view>

namespace rekko {

enum class SyncKind { Day, Period, Anniversary };

// Where a local line lives for matching: the date "YYYYMMDD" of a day line, kPeriodPlace, kAnniversaryPlace.
inline constexpr const char* kPeriodPlace = "P";
inline constexpr const char* kAnniversaryPlace = "S";
std::string DayPlace(const CalendarDate& date);

// Returns the key a day line is matched by: its date and fields 3 to 8 (text, colour and carried fields), never the
// line number of field 1.
std::string DayLineKey(const CalendarDate& date, std::string_view line);

// The mark of a server's version kept beside a line changed on both sides.
inline constexpr const char* kConflictMark = "（競合）";

// Text code page 932 can hold: line ends and tabs become blanks, every other character it cannot hold (control
// characters and invalid UTF-8 among them) becomes 〓, counted.
struct CodePageText {
    std::string text;
    int replaced = 0;
};
CodePageText ToCodePage(std::string_view text);

// Answers whether an event made from a local line has the summary (blanks around it aside) and dates of a server's
// event (an end not given is the start), and neither recurs.
bool SameSummaryAndDates(const IcsEvent& made, const ParsedEvent& event);

// The local line of a server event.
struct DownLine {
    SyncKind kind = SyncKind::Day;
    CalendarDate date{};  // of a day line
    std::string key{};    // DayLineKey of a day line, the record of a period
    int unmappable = 0;   // characters written as 〓
    bool exact = false;   // a day line is the carried record, byte for byte
    std::string record{}; // the carried record of an exact day line, the record of a period
    std::string text{};   // a day line's text, unescaped
    LineAttribute attribute{};

    // Returns the line as written with a line number of its day (kept from the record of an exact day line).
    std::string line(int lineNumber) const;
};

// Returns the line an event comes down as, with mark in front of its text. A span over several days is a period:
// its ends' parts from the hour (before 12 朝, before 17 昼, else 夕), a whole-day span from 朝 of its first day to
// 夕 of its last; anything else a day line, a timed one with "HH:MM " in front. The carried X-REKKO-RECORD is taken
// byte for byte when it still makes the same summary and dates (and no mark is added), else its colour and carried
// fields (thickness and colour of a period) are kept; without it they are the defaults of a new line or period.
// Nothing for a recurring event.
std::optional<DownLine> LineOfEvent(const ParsedEvent& event, std::string_view mark = "");

} // namespace rekko
