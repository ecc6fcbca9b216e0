// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing and formatting of rekkocal's dates and numbers.
#include "Arguments.h"

#include "calendar/Julius.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace rekko::cli {

namespace {

// Answers whether text is a decimal integer of any size, with an optional leading "-".
bool isDecimal(std::string_view text) {
    if (text.starts_with('-'))
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

int64_t ParseInteger(std::string_view text, int64_t min, int64_t max, std::string_view what) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || value < min || value > max)
        throw UsageError(std::string(what) + " must be a number in " + std::to_string(min) + ".." +
                         std::to_string(max) + ": '" + std::string(text) + "'");
    return value;
}

int32_t ParseDate(std::string_view text) {
    const std::string shown(text);
    const size_t first = text.find('-', 1);
    const size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos || text.find('-', second + 1) != std::string_view::npos)
        throw UsageError("not a date in the form YYYY-MM-DD: '" + shown + "'");
    const std::string_view yearText = text.substr(0, first);
    int64_t year, month, day;
    try {
        year = ParseInteger(yearText, kFirstYear, kLastYear, "year");
    } catch (const UsageError& e) {
        if (isDecimal(yearText))
            throw UsageError("year out of range " + std::to_string(kFirstYear) + ".." + std::to_string(kLastYear) +
                             ": '" + shown + "'");
        throw UsageError("not a date in the form YYYY-MM-DD: '" + shown + "' (" + e.what() + ")");
    }
    try {
        month = ParseInteger(text.substr(first + 1, second - first - 1), 1, 12, "month");
        day = ParseInteger(text.substr(second + 1), 1, 31, "day");
    } catch (const UsageError& e) {
        throw UsageError("not a date in the form YYYY-MM-DD: '" + shown + "' (" + e.what() + ")");
    }
    try {
        if (!IsValidYMD(static_cast<int32_t>(year), static_cast<int>(month), static_cast<int>(day)))
            throw UsageError("no such date: '" + shown + "'");
    } catch (const EJuliusError& e) {
        throw UsageError(e.what());
    }
    return EncodeJuliusDay(static_cast<int32_t>(year), static_cast<int>(month), static_cast<int>(day));
}

void ExpectCount(const std::vector<std::string>& args, size_t min, size_t max, const char* usage) {
    if (args.size() < min || args.size() > max)
        throw UsageError(std::string("usage: rekkocal ") + usage);
}

bool TakeFlag(std::vector<std::string>& args, std::string_view flag) {
    const size_t before = args.size();
    std::erase(args, flag);
    if (before - args.size() > 1)
        throw UsageError("option given more than once: " + std::string(flag));
    return args.size() != before;
}

std::string FormatDate(int32_t jd) {
    const CalendarDate date = DecodeJuliusDay(jd);
    char text[32];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", date.year < 0 ? "-" : "", std::abs(date.year), date.month,
                  date.day);
    return text;
}

} // namespace rekko::cli
