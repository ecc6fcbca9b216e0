// SPDX-License-Identifier: GPL-3.0-or-later
// The file lines of the schedule dialog's values.
#include "ScheduleEdit.h"

#include "calendar/Julius.h"

namespace rekko {

std::vector<std::string> EditRecordLines(const ScheduleEdit& edit) {
    const CalendarDate date = DecodeJuliusDay(edit.jd);
    std::vector<std::string> lines;
    switch (edit.mode) {
    case ScheduleMode::Day:
        WriteDay(lines, date.day, edit.day);
        break;
    case ScheduleMode::Period:
        lines.push_back(FormatPeriodRecord(edit.period));
        break;
    case ScheduleMode::Anniversary:
        // Replacing into an empty list gives the one record, or none for a text that deletes the anniversary.
        ReplaceAnniversary(lines, Anniversary{}, edit.anniversary, date.month, date.day);
        break;
    }
    return lines;
}

} // namespace rekko
