// SPDX-License-Identifier: GPL-3.0-or-later
// The timer window's set-time fields: reading them as a time, stepping them with carry, filling them from a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rekko {

// The texts of the hour, minute and second fields as the user left them.
struct SetTimeFields {
    std::string hour;
    std::string minute;
    std::string second;
    friend bool operator==(const SetTimeFields&, const SetTimeFields&) = default;
};

enum class TimeField { Hour, Minute, Second };

// Reads the fields as a time of day in milliseconds. Each field is empty (read as 0) or one or two ASCII digits,
// the hour at most 23, minute and second at most 59; letters, blanks, signs and larger values answer nothing.
std::optional<int32_t> ReadSetTime(const SetTimeFields& fields);

// Steps one field by +1 or -1 and returns all three: the hour wraps 23 <-> 0 on its own; a minute stepped past 59
// becomes 0 and adds an hour, below 0 becomes 59 and takes one; a second carries into the minute the same way. A field
// that does not hold a number counts as 0.
SetTimeFields StepSetTimeField(const SetTimeFields& fields, TimeField field, int step);

// Returns the fields showing a time of day given in milliseconds.
SetTimeFields FieldsForTime(int32_t time);

} // namespace rekko
