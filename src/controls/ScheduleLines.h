// SPDX-License-Identifier: GPL-3.0-or-later
// What the month grid reads from the lines of a month file and of the period list.
#pragma once

#include "base/Colour.h"
#include "schedule/PeriodRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// The line indexes of each day of a month file's lines, in file order; a line whose day field (field 0) is not a day
// 1..31 belongs to no day.
class DayLineIndex {
public:
    // Indexes the lines of a month again.
    void rebuild(const std::vector<std::string>& lines);
    // Returns the indexes of a day's lines, none for a day outside 1..31.
    const std::vector<int32_t>& linesOf(int day) const;

private:
    std::array<std::vector<int32_t>, 32> m_days;
};

// A period line as the grid draws it. Its ends sit in a part of the day: "M" the first third, "A" the middle, any
// other text the last third.
struct PeriodBar {
    int32_t start = 0; // day numbers
    int32_t end = 0;
    DayPart startPart = DayPart::Morning;
    DayPart endPart = DayPart::Evening;
    int titleMonth = 0; // month and day of the cell that carries the title; 0 for none
    int titleDay = 0;
    int penWidth = 1; // 1..3
    std::optional<TColor> colour;
    std::string title;
};

// The days a period bar covers, first to last.
struct PeriodDays {
    int32_t start = 0;
    int32_t end = 0;
    friend bool operator==(const PeriodDays&, const PeriodDays&) = default;
};

// Reads the days of a period line as ReadPeriodBar would, nothing for a line it answers nothing for. Only fields
// of ASCII characters are read and "," is never part of a code page 932 or UTF-8 character, so a line's code page
// 932 bytes read as its text does: a period can be kept or dropped before its text is decoded.
std::optional<PeriodDays> ReadPeriodDays(std::string_view line);

// Reads a period line for drawing: start date (fields 0-2) and part (3), end date (4-6) and part (7), title cell
// (9-10), pen width (11, 1 unless it reads 1..3), colour (12) and title (13). Answers nothing for a line that
// cannot be drawn: six fields or fewer, colour "D", a start or end that is no date (the reform gap included). A
// line whose end lies before its start is read with its ends (dates and parts) swapped.
std::optional<PeriodBar> ReadPeriodBar(std::string_view line);

// Returns a period line's dates and title as one line, "2026/12/14～2026/12/18 出張", the ends in date order.
std::string PeriodSummary(std::string_view line);

} // namespace rekko
