// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and converting the Date.parse argument of a time page.
#include "PageTime.h"

#include "base/CommaText.h"
#include "calendar/Julius.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

namespace {

// Returns the first line (at CR LF, CR or LF) that holds the three marks of the time call.
std::optional<std::string_view> QualifyingLine(std::string_view page) {
    while (!page.empty()) {
        const size_t end = std::min(page.find_first_of("\r\n"), page.size());
        const std::string_view line = page.substr(0, end);
        if (line.find("Date.parse") != std::string_view::npos && line.find(':') != std::string_view::npos &&
            line.find('"') != std::string_view::npos)
            return line;
        page.remove_prefix(end);
        if (page.starts_with("\r\n"))
            page.remove_prefix(2);
        else if (!page.empty())
            page.remove_prefix(1);
    }
    return std::nullopt;
}

// Returns 1..12 for a month's three-letter English name in any case, 0 for anything else.
int MonthNumber(std::string_view name) {
    static constexpr std::array<std::string_view, 12> names = {"jan", "feb", "mar", "apr", "may", "jun",
                                                               "jul", "aug", "sep", "oct", "nov", "dec"};
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto found = std::find(names.begin(), names.end(), lower);
    return found == names.end() ? 0 : static_cast<int>(found - names.begin()) + 1;
}

// Reads one to four ASCII digits as a number.
std::optional<int> Number(std::string_view text) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Reads "h:m:s" or "h:m" as a time of day.
std::optional<TimeOfDay> ReadTime(std::string_view text) {
    std::array<int, 3> parts{};
    size_t count = 0;
    for (;;) {
        const size_t colon = text.find(':');
        const auto part = Number(text.substr(0, colon));
        if (!part || count == parts.size())
            return std::nullopt;
        parts[count++] = *part;
        if (colon == std::string_view::npos)
            break;
        text.remove_prefix(colon + 1);
    }
    if (count < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59)
        return std::nullopt;
    return TimeOfDay{parts[0], parts[1], parts[2]};
}

} // namespace

LocalDateTime ParsePageTime(std::string_view page) {
    const auto line = QualifyingLine(page);
    if (!line)
        return 0;
    constexpr std::string_view open = "Date.parse(\"";
    const size_t start = line->find(open);
    if (start == std::string_view::npos)
        return 0;
    const size_t close = line->find("\")", start + open.size());
    if (close == std::string_view::npos)
        return 0;
    const std::vector<std::string> items =
        SplitCommaText(line->substr(start + open.size(), close - start - open.size()));
    if (items.size() < 5)
        return 0;
    const int month = MonthNumber(items[1]);
    const auto day = Number(items[2]);
    const auto time = ReadTime(items[3]);
    const auto year = Number(items[4]);
    if (month == 0 || !day || !time || !year || *year < 1)
        return 0;
    if (!ExistingJuliusDay(*year, month, *day))
        return 0;
    return EncodeDateTime({*year, static_cast<uint8_t>(month), static_cast<uint8_t>(*day)}, *time);
}

} // namespace rekko
