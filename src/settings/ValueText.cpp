// SPDX-License-Identifier: GPL-3.0-or-later
// Integer and time texts of the settings file.
#include "ValueText.h"

#include "base/TextProcedures.h"
#include "calendar/Julius.h"

#include <cstdio>
#include <limits>
#include <vector>

namespace rekko {

namespace {

int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    int64_t magnitude = 0;
    for (const char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return std::nullopt;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t IntegerOr(std::string_view text, int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

std::optional<double> ParseTimeOfDay(std::string_view text) {
    const std::vector<std::string> pieces = SplitAt(TrimBlanks(text), ':');
    if (pieces.size() < 2 || pieces.size() > 3)
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        if (piece.empty() || piece.size() > 2 || digitValue(piece.front(), 10) < 0 || digitValue(piece.back(), 10) < 0)
            return std::nullopt;
        parts[i] = std::stoi(piece);
    }
    if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59)
        return std::nullopt;
    return (parts[0] * 3600 + parts[1] * 60 + parts[2]) / 86400.0;
}

bool IsTimeDigits(std::string_view text) {
    if (text.size() != 6 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return ParseTimeOfDay(std::string(text.substr(0, 2)) + ":" + std::string(text.substr(2, 2)) + ":" +
                          std::string(text.substr(4, 2)))
        .has_value();
}

std::string FormatLongTime(LocalDateTime value) {
    const TimeOfDay time = TimeOf(value);
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", time.hour, time.minute, time.second);
    return text;
}

} // namespace rekko
