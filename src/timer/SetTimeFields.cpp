// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, stepping and filling the set-time fields.
#include "SetTimeFields.h"

namespace rekko {

namespace {

// The value of an empty or one- or two-digit field.
std::optional<int> fieldValue(const std::string& text) {
    if (text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Adds step to a value running 0..limit - 1 and answers the carry: +1 past the top, -1 below 0.
int wrap(int& value, int step, int limit) {
    value += step;
    if (value >= limit) {
        value -= limit;
        return 1;
    }
    if (value < 0) {
        value += limit;
        return -1;
    }
    return 0;
}

} // namespace

std::optional<int32_t> ReadSetTime(const SetTimeFields& fields) {
    const auto hour = fieldValue(fields.hour);
    const auto minute = fieldValue(fields.minute);
    const auto second = fieldValue(fields.second);
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return ((*hour * 60 + *minute) * 60 + *second) * 1000;
}

SetTimeFields StepSetTimeField(const SetTimeFields& fields, TimeField field, int step) {
    int hour = fieldValue(fields.hour).value_or(0) % 24;
    int minute = fieldValue(fields.minute).value_or(0) % 60;
    int second = fieldValue(fields.second).value_or(0) % 60;
    int carry = step;
    if (field == TimeField::Second)
        carry = wrap(second, carry, 60);
    if (field != TimeField::Hour)
        carry = wrap(minute, carry, 60);
    wrap(hour, carry, 24);
    return {std::to_string(hour), std::to_string(minute), std::to_string(second)};
}

SetTimeFields FieldsForTime(int32_t time) {
    const int32_t seconds = time / 1000;
    return {std::to_string(seconds / 3600 % 24), std::to_string(seconds / 60 % 60), std::to_string(seconds % 60)};
}

} // namespace rekko
