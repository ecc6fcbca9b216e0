// SPDX-License-Identifier: GPL-3.0-or-later
// The attribute of one schedule line (colour and four carried fields) and the month-file record of a line.
#pragma once

#include "base/Colour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// The colour of a line plus the fields this program only carries: first flag, time of day, second flag and
// number (the delete code of commemoration lines). The carried fields keep their stored text, so a line read
// and written again gives the same bytes whatever the text holds.
struct LineAttribute {
    TColor colour = clWindowText; // the standard colour
    // A stored colour text that could not be read; written back as it was while the colour is not changed.
    std::string unreadableColour;
    std::string firstFlag;
    std::string timeOfDay;
    std::string secondFlag;
    std::string number;

    // Returns the line's own colour, or nothing for the standard colour (an unreadable stored colour included).
    std::optional<TColor> ownColour() const {
        return colour == clWindowText ? std::nullopt : std::optional<TColor>(colour);
    }

    // Sets the colour, dropping an unreadable stored colour.
    void setColour(TColor value);

    // Returns the number field as an integer, 0 when empty or not a number.
    int32_t numberValue() const;
    // Sets the number field: empty for 0, else decimal.
    void setNumber(int32_t value);

    friend bool operator==(const LineAttribute&, const LineAttribute&) = default;
};

// One month-file line read: its day (none when the day field is not a number), text as stored and attribute.
struct DayLine {
    std::optional<int> day;
    std::string text;
    LineAttribute attribute;
};

// Reads a month-file line split at commas. Fields 4 to 8 are read only when there are more than five fields;
// a colour field that is empty or "1" means the standard colour.
DayLine ReadDayLine(std::string_view line);

// Returns the day field of a month-file line as an integer, or nothing when it is not a number.
std::optional<int> DayOfLine(std::string_view line);

// Builds the month-file record "%2d,%d,,%s,%s,%s,%s,%s,%s," of a line: the text with "," escaped, the colour
// (empty for the standard colour) and the carried fields as stored.
std::string FormatDayRecord(int day, int lineNumber, std::string_view text, const LineAttribute& attribute);

} // namespace rekko
