// SPDX-License-Identifier: GPL-3.0-or-later
// The solar-term table JDSEKKI: the days the Sun reaches the longitudes of the 24 solar terms and the seasonal
// days, the term of a day, its solar month, and the terms' names.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace rekko {

// One line of the solar-term table: the day number (JST date) on which the Sun's apparent longitude reaches
// `longitude` degrees.
struct SolarLongitudeDay {
    int32_t day = 0;
    int16_t longitude = 0;
    friend bool operator==(const SolarLongitudeDay&, const SolarLongitudeDay&) = default;
};

// A solar term and its day, as listed for a span of years.
struct SolarTermDay {
    int32_t day = 0;
    std::string_view name;
};

// Returns the bytes of the compiled-in table JDSEKKI (ASCII, CR LF lines).
std::string_view solarTermResource();

// Reads a solar-term table: one "day number,longitude" line per event, longitudes 0..359, days ascending (never two
// events on one day). Fails, naming the line, on any other line or on an empty table.
Result<std::vector<SolarLongitudeDay>> parseSolarTermTable(std::string_view bytes);

// Returns the shipped table (1872-12-01 .. 2100-12-31), read from JDSEKKI once on first use. Throws
// std::runtime_error if it does not read.
const std::vector<SolarLongitudeDay>& solarTermTable();

// Returns the longitude the Sun reaches on a day, or -1 when the table lists none for it.
int solarLongitudeOn(std::span<const SolarLongitudeDay> table, int32_t jd);

// Returns the solar month (節月) of a day: 1 from 立春 (315 degrees), 2 from 啓蟄, … 12 from 小寒 (285 degrees);
// 0 before the table's first such term or after its last day.
int solarMonthOf(std::span<const SolarLongitudeDay> table, int32_t jd);

// Returns the name of the solar term at a longitude, a multiple of 15 (0 "春分", 15 "清明", … 345 "啓蟄");
// an empty text for any other longitude.
std::string_view solarTermName(int longitude);

// Returns the name of the solar term falling on a day, from the shipped table; empty when none does.
std::string_view solarTermOn(int32_t jd);

// Lists the solar terms from the shipped table whose days lie within firstDay..lastDay, in date order.
std::vector<SolarTermDay> solarTermsBetween(int32_t firstDay, int32_t lastDay);

} // namespace rekko
