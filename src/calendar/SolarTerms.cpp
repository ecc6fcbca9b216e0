// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the solar-term table and looking up the terms and solar months of days.
#include "SolarTerms.h"

#include "Resources.h"
#include "base/TextFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <string>

namespace rekko {

namespace {

// The 24 solar terms from the vernal equinox (0 degrees), one every 15 degrees.
constexpr std::array<std::string_view, 24> kTermNames = {
    "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};

// 立春: the longitude that opens the first solar month.
constexpr int kRisshun = 315;

bool parseNumber(std::string_view field, int32_t& value) {
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    return ec == std::errc() && ptr == end && !field.empty();
}

Failure tableFailure(std::string cause, size_t line) {
    return Failure{std::move(cause), "JDSEKKI", line};
}

// A term that opens a solar month (節): every other term from 立春, at 315 + 30 k degrees.
bool opensSolarMonth(int longitude) {
    return longitude % 15 == 0 && (longitude + 360 - kRisshun) % 30 == 0;
}

} // namespace

std::string_view solarTermResource() {
    return resources::bytesOf(resources::JdSekki, resources::JdSekki_size);
}

Result<std::vector<SolarLongitudeDay>> parseSolarTermTable(std::string_view bytes) {
    const std::vector<std::string_view> lines = LineBytes(bytes);
    std::vector<SolarLongitudeDay> table;
    table.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = lines[i];
        const size_t comma = text.find(',');
        int32_t day = 0;
        int32_t longitude = 0;
        if (comma == std::string_view::npos || !parseNumber(text.substr(0, comma), day) ||
            !parseNumber(text.substr(comma + 1), longitude) || longitude < 0 || longitude >= 360)
            return tableFailure("not a \"day number,longitude\" line", i + 1);
        if (!table.empty() && day <= table.back().day)
            return tableFailure("day " + std::to_string(day) + " is not after the line before", i + 1);
        table.push_back({day, static_cast<int16_t>(longitude)});
    }
    if (table.empty())
        return tableFailure("the table is empty", 0);
    return table;
}

const std::vector<SolarLongitudeDay>& solarTermTable() {
    static const std::vector<SolarLongitudeDay> table = [] {
        Result<std::vector<SolarLongitudeDay>> parsed = parseSolarTermTable(solarTermResource());
        if (!parsed)
            throw std::runtime_error("JDSEKKI line " + std::to_string(parsed.error().line) + ": " +
                                     parsed.error().cause);
        return std::move(parsed).value();
    }();
    return table;
}

int solarLongitudeOn(std::span<const SolarLongitudeDay> table, int32_t jd) {
    const auto at = std::ranges::lower_bound(table, jd, {}, &SolarLongitudeDay::day);
    return at != table.end() && at->day == jd ? at->longitude : -1;
}

int solarMonthOf(std::span<const SolarLongitudeDay> table, int32_t jd) {
    if (table.empty() || jd > table.back().day)
        return 0;
    auto after = std::ranges::upper_bound(table, jd, {}, &SolarLongitudeDay::day);
    while (after != table.begin()) {
        --after;
        if (opensSolarMonth(after->longitude))
            return (after->longitude + 360 - kRisshun) % 360 / 30 + 1;
    }
    return 0;
}

std::string_view solarTermName(int longitude) {
    return longitude >= 0 && longitude < 360 && longitude % 15 == 0 ? kTermNames[static_cast<size_t>(longitude / 15)]
                                                                    : std::string_view();
}

std::string_view solarTermOn(int32_t jd) {
    return solarTermName(solarLongitudeOn(solarTermTable(), jd));
}

std::vector<SolarTermDay> solarTermsBetween(int32_t firstDay, int32_t lastDay) {
    const std::vector<SolarLongitudeDay>& table = solarTermTable();
    std::vector<SolarTermDay> terms;
    for (auto at = std::ranges::lower_bound(table, firstDay, {}, &SolarLongitudeDay::day);
         at != table.end() && at->day <= lastDay; ++at)
        if (const std::string_view name = solarTermName(at->longitude); !name.empty())
            terms.push_back({at->day, name});
    return terms;
}

} // namespace rekko
