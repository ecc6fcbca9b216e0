// SPDX-License-Identifier: GPL-3.0-or-later
// Stateless text procedures shared by the windows.
#include "TextProcedures.h"

#include <array>
#include <charconv>

namespace rekko {

namespace {

constexpr std::array<std::string_view, 7> kShortNames = {"日", "月", "火", "水", "木", "金", "土"};
constexpr std::array<std::string_view, 7> kLongNames = {"日曜日", "月曜日", "火曜日", "水曜日",
                                                        "木曜日", "金曜日", "土曜日"};
constexpr std::string_view kUnknown = "不明";

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string ChooseText(bool condition, std::string_view ifTrue, std::string_view ifFalse) {
    return std::string(condition ? ifTrue : ifFalse);
}

std::string WeekdayShortName(int weekday) {
    return std::string(weekday >= 1 && weekday <= 7 ? kShortNames[weekday - 1] : kUnknown);
}

std::string WeekdayLongName(int weekday) {
    return std::string(weekday >= 1 && weekday <= 7 ? kLongNames[weekday - 1] : kUnknown);
}

std::string WeekdayNumberText(std::string_view longName) {
    for (size_t i = 0; i < kLongNames.size(); ++i)
        if (kLongNames[i] == longName)
            return std::to_string(i + 1);
    return {};
}

std::string FullWidthDigit(int number) {
    static constexpr std::array<std::string_view, 10> digits = {"０", "１", "２", "３", "４",
                                                                "５", "６", "７", "８", "９"};
    return std::string(number >= 0 && number <= 8 ? digits[number] : digits[9]);
}

void SplitAt(std::string_view text, char separator, std::vector<std::string>& list) {
    size_t start = 0;
    for (;;) {
        const size_t pos = text.find(separator, start);
        if (pos == std::string_view::npos) {
            list.emplace_back(text.substr(start));
            return;
        }
        list.emplace_back(text.substr(start, pos - start));
        start = pos + 1;
    }
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::vector<std::string> list;
    SplitAt(text, separator, list);
    return list;
}

std::string WithTrailingSeparator(std::string_view text, std::string_view separator) {
    const std::string_view body = trimmed(text);
    const std::string_view sep = trimmed(separator);
    std::string result(body);
    if (!result.empty() && !sep.empty() && !body.ends_with(sep))
        result += sep;
    return result;
}

std::optional<int32_t> FieldInteger(std::string_view field) {
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    result.reserve(text.size());
    size_t start = 0;
    for (size_t pos; !from.empty() && (pos = text.find(from, start)) != std::string_view::npos;
         start = pos + from.size()) {
        result.append(text.substr(start, pos - start));
        result.append(to);
    }
    result.append(text.substr(start));
    return result;
}

std::string EscapeBlanks(std::string_view text, BlankEscape direction) {
    constexpr std::string_view kEscaped = "_(Sp)_";
    return direction == BlankEscape::Escape ? ReplaceAll(text, " ", kEscaped) : ReplaceAll(text, kEscaped, " ");
}

} // namespace rekko
