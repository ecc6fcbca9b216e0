// SPDX-License-Identifier: GPL-3.0-or-later
// The old-calendar table JDOLDCAL, the old-calendar date and rokuyo of a day number, and the rokuyo names.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace rekko {

// One line of the old-calendar table: the day number on which an old month begins, and its month code (1..12, or
// 100 + m for the leap month after month m).
struct TJDOldMonth {
    int32_t start = 0;
    uint8_t monthCode = 0;
    friend bool operator==(const TJDOldMonth&, const TJDOldMonth&) = default;
};

// An old-calendar date: month code and day of the old month (1..30); both 0 for "none".
struct OldDate {
    uint8_t monthCode = 0;
    uint8_t day = 0;
    friend bool operator==(const OldDate&, const OldDate&) = default;
};

// Returns the bytes of the compiled-in table JDOLDCAL (ASCII, CR LF lines).
std::string_view oldCalendarResource();

// Reads an old-calendar table: one "day number,month code" line per month, split by the comma-text rule; the last
// line only closes the table. Fails, naming the line, on a line without exactly two decimal fields, a month code
// outside 1..12 and 101..112, a start not after the one before, a month not 29 or 30 days long, or under two lines.
Result<std::vector<TJDOldMonth>> parseOldMonthTable(std::string_view bytes);

// Returns the shipped table, read from JDOLDCAL once on first use. Throws std::runtime_error if it does not read.
const std::vector<TJDOldMonth>& oldMonthTable();

// Looks up a day number by binary search: its old date, or {0, 0} before the first line's start and from the
// closing line's start on.
OldDate findOldDate(std::span<const TJDOldMonth> table, int32_t jd);

// Looks up a day number by scanning the table line by line, with the same answers as findOldDate; kept as the
// reference the binary search is tested and measured against.
OldDate findOldDateByScan(std::span<const TJDOldMonth> table, int32_t jd);

// Returns the rokuyo number of an old date: ((m - 1) + (day - 1)) mod 6 + 1 with a leap month counted as its
// month m; 0 for the empty date.
uint8_t rokuyoOf(OldDate date);

// Gives the old-calendar month code and day of a day number from the shipped table; 0 and 0 outside it.
void JuliusDayToOldDate(int32_t jd, uint8_t& monthCode, uint8_t& day);

// Returns the rokuyo number 1..6 of a day number, or 0 when the day lies outside the shipped table.
uint8_t JuliusDayToRokuyo(int32_t jd);

// Returns the name of a rokuyo number: 0 "不明", 1 "先勝", 2 "友引", 3 "先負", 4 "仏滅", 5 "大安", 6 "赤口";
// an empty text for any other number.
std::string_view rokuyoName(int rokuyo);

} // namespace rekko
