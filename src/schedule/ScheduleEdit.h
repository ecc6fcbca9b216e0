// SPDX-License-Identifier: GPL-3.0-or-later
// What the schedule dialog holds in the mode it shows, and the file lines those values would become.
#pragma once

#include "Anniversary.h"
#include "DayLines.h"
#include "PeriodRecord.h"
#include "ScheduleDialogRules.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rekko {

// The values of one mode of the schedule dialog; only those of mode count. jd is the day shown (day and anniversary
// modes).
struct ScheduleEdit {
    ScheduleMode mode = ScheduleMode::Day;
    int32_t jd = 0;
    DaySchedule day{};
    PeriodFields period{};
    Anniversary anniversary{};
};

// Returns the lines the edit would have become in its file, without any check: the day's records of the month file,
// the period record of the period file, or the anniversary record of the special-day file (none for an empty text,
// which would delete the anniversary).
std::vector<std::string> EditRecordLines(const ScheduleEdit& edit);

} // namespace rekko
