// SPDX-License-Identifier: GPL-3.0-or-later
// One day's schedule lines taken from, and put back into, the line list of its month.
#pragma once

#include "LineAttribute.h"

#include <string>
#include <vector>

namespace rekko {

// The lines of one day as the schedule dialog edits them: texts and their attributes, always in step.
struct DaySchedule {
    std::vector<std::string> lines;
    std::vector<LineAttribute> attributes;
};

// Returns the lines of a day in a month line list, in list order, as stored.
std::vector<DayLine> LinesOfDay(const std::vector<std::string>& monthLines, int day);

// Collects the lines of a day from a month line list, in list order, with the first "，" between two digits
// turned back into ","; a day without lines gives one empty line with the standard attribute.
DaySchedule LoadDay(const std::vector<std::string>& monthLines, int day);

// Removes every line of the day from the month line list and appends the day's lines at its end, one record
// each and empty lines included. Lines whose day field is not a number are kept.
void WriteDay(std::vector<std::string>& monthLines, int day, const DaySchedule& schedule);

} // namespace rekko
