// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the old-calendar table, looking up old dates, and the rokuyo rule.
#include "OldCalendar.h"

#include "Resources.h"
#include "base/CommaText.h"
#include "base/Cp932.h"
#include "base/TextFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <string>

namespace rekko {

namespace {

constexpr std::array<std::string_view, 7> kRokuyoNames = {"不明", "先勝", "友引", "先負", "仏滅", "大安", "赤口"};

bool parseDecimal(std::string_view field, int32_t& value) {
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    return ec == std::errc() && ptr == end && !field.empty();
}

bool isPlainNumber(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// Reads the day number and month code of a line by the comma-text rule. The lines of the shipped table are plain
// (digits, a comma, digits) and are read in place, without the field copies of the full rule: the table is read at
// every start.
bool readTableLine(std::string_view line, int32_t& start, int32_t& code) {
    const size_t comma = line.find(',');
    if (comma != std::string_view::npos && isPlainNumber(line.substr(0, comma)) &&
        isPlainNumber(line.substr(comma + 1)))
        return parseDecimal(line.substr(0, comma), start) && parseDecimal(line.substr(comma + 1), code);
    const std::vector<std::string> fields = SplitCommaText(line);
    return fields.size() == 2 && parseDecimal(fields[0], start) && parseDecimal(fields[1], code);
}

bool isMonthCode(int32_t code) {
    return (code >= 1 && code <= 12) || (code >= 101 && code <= 112);
}

Failure tableFailure(std::string cause, size_t line) {
    return Failure{std::move(cause), "JDOLDCAL", line};
}

OldDate dateIn(const TJDOldMonth& month, int32_t jd) {
    return {month.monthCode, static_cast<uint8_t>(jd - month.start + 1)};
}

} // namespace

Result<std::vector<TJDOldMonth>> parseOldMonthTable(std::string_view bytes) {
    // The lines are read as bytes, as the table is read at every start: digits, commas and quotes are single bytes
    // in code page 932 and never the second byte of a character, so the fields are the same as in the decoded text.
    const std::vector<std::string_view> lines = LineBytes(bytes);
    std::vector<TJDOldMonth> table;
    table.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t line = i + 1;
        int32_t start = 0;
        int32_t code = 0;
        if (!readTableLine(lines[i], start, code))
            return tableFailure("not a \"day number,month code\" line: \"" + DecodeCp932(lines[i]) + "\"", line);
        if (!isMonthCode(code))
            return tableFailure("month code " + std::to_string(code) + " is not 1..12 or 101..112", line);
        if (!table.empty()) {
            // Subtracting in 64 bits keeps a wild start from overflowing before it is rejected.
            const int64_t length = int64_t{start} - table.back().start;
            if (length <= 0)
                return tableFailure("day " + std::to_string(start) + " is not after the line before", line);
            if (length != 29 && length != 30)
                return tableFailure("the month before lasts " + std::to_string(length) + " days, not 29 or 30", line);
        }
        table.push_back({start, static_cast<uint8_t>(code)});
    }
    if (table.size() < 2)
        return tableFailure("a table needs at least one month and its closing line", table.size());
    return table;
}

std::string_view oldCalendarResource() {
    return resources::bytesOf(resources::JdOldCal, resources::JdOldCal_size);
}

const std::vector<TJDOldMonth>& oldMonthTable() {
    static const std::vector<TJDOldMonth> table = [] {
        Result<std::vector<TJDOldMonth>> parsed = parseOldMonthTable(oldCalendarResource());
        if (!parsed)
            throw std::runtime_error("JDOLDCAL line " + std::to_string(parsed.error().line) + ": " +
                                     parsed.error().cause);
        return std::move(parsed).value();
    }();
    return table;
}

OldDate findOldDate(std::span<const TJDOldMonth> table, int32_t jd) {
    const auto after = std::ranges::upper_bound(table, jd, {}, &TJDOldMonth::start);
    // Before the first start there is no month; at or after the closing line's start neither.
    if (after == table.begin() || after == table.end())
        return {};
    return dateIn(*(after - 1), jd);
}

OldDate findOldDateByScan(std::span<const TJDOldMonth> table, int32_t jd) {
    if (table.empty() || jd < table.front().start || jd > table.back().start)
        return {};
    for (size_t i = 1; i < table.size(); ++i)
        if (table[i].start > jd)
            return dateIn(table[i - 1], jd);
    return {};
}

uint8_t rokuyoOf(OldDate date) {
    if (date.monthCode == 0)
        return 0;
    const int month = date.monthCode > 100 ? date.monthCode - 100 : date.monthCode;
    return static_cast<uint8_t>(((month - 1) + (date.day - 1)) % 6 + 1);
}

void JuliusDayToOldDate(int32_t jd, uint8_t& monthCode, uint8_t& day) {
    const OldDate date = findOldDate(oldMonthTable(), jd);
    monthCode = date.monthCode;
    day = date.day;
}

uint8_t JuliusDayToRokuyo(int32_t jd) {
    return rokuyoOf(findOldDate(oldMonthTable(), jd));
}

std::string_view rokuyoName(int rokuyo) {
    return rokuyo >= 0 && rokuyo < static_cast<int>(kRokuyoNames.size()) ? kRokuyoNames[rokuyo] : std::string_view();
}

} // namespace rekko
