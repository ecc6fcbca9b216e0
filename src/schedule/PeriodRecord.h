// SPDX-License-Identifier: GPL-3.0-or-later
// A period schedule as the schedule dialog edits it, and its record in the period file.
#pragma once

#include "base/Colour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

enum class DayPart { Morning, Midday, Evening }; // 朝, 昼, 夕

struct PeriodDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const PeriodDate&, const PeriodDate&) = default;
};

struct PeriodFields {
    PeriodDate start;
    DayPart startPart = DayPart::Morning;
    PeriodDate end;
    DayPart endPart = DayPart::Evening;
    PeriodDate label; // the day the description is written on
    int thickness = 1;
    TColor colour = clBlue;
    std::string text;
    friend bool operator==(const PeriodFields&, const PeriodFields&) = default;
};

// Builds a new period from a selected range: the label on the middle day, parts from the grid's part codes
// (1 朝, 2 昼, 3 夕; otherwise 朝 at the start and 夕 at the end), an empty text.
PeriodFields NewPeriod(int32_t startJd, int startPartCode, int32_t endJd, int endPartCode, int thickness,
                       TColor colour);

// Reads a period record for editing: fields that are not numbers read as 0; start part "A" 昼, "E" 夕, else 朝;
// end part "A" 昼, "M" 朝, else 夕; a colour field under three characters or unreadable gives defaultColour;
// the first "，" between two digits of the text turns back into ",". A record of too few fields reads what it has.
// A record whose end date lies before its start date reads with its ends (dates and parts) swapped.
PeriodFields ReadPeriodRecord(std::string_view record, TColor defaultColour);

// Builds the record: three "%4s,%2s,%2s" dates with their part letters, thickness, colour text and the text with
// "," escaped; no trailing comma.
std::string FormatPeriodRecord(const PeriodFields& period);

// Returns the date text "%.4d/%.2d/%.2d" of a period date.
std::string PeriodDateText(const PeriodDate& date);

// Returns the text of the first of start, end and label that is not a valid date (years 1..9999), or nothing.
std::optional<std::string> FirstInvalidPeriodDate(const PeriodFields& period);

// The refusal of a period whose end lies before its start.
inline constexpr const char* kReversedPeriodMessage = "初めと終わりが逆です。";

// Answers whether both ends are valid dates and the end date lies before the start date (parts of day aside).
bool PeriodReversed(const PeriodFields& period);

// Moves the label to the middle day of the period when it lies before the start or after the end.
void KeepLabelInsidePeriod(PeriodFields& period);

} // namespace rekko
