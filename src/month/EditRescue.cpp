// SPDX-License-Identifier: GPL-3.0-or-later
// The report and rescue of the schedule dialog's unwritten values.
#include "EditRescue.h"

#include "base/AtomicWrite.h"
#include "calendar/Julius.h"
#include "files/UserFiles.h"

namespace rekko {

namespace fs = std::filesystem;

namespace {

// The file the edit would have been written to.
fs::path FileOfEdit(const ScheduleEdit& edit, const std::string& dataFolder) {
    switch (edit.mode) {
    case ScheduleMode::Day: {
        const CalendarDate date = DecodeJuliusDay(edit.jd);
        return fs::absolute(dataFolder + MonthFileName(date.year, date.month));
    }
    case ScheduleMode::Period:
        return fs::absolute(dataFolder + kPeriodFileName);
    case ScheduleMode::Anniversary:
        break;
    }
    return fs::absolute(kSpecialDayFileName);
}

} // namespace

void AddUnwrittenEdit(SaveReport& report, const ScheduleEdit& edit, const std::string& dataFolder) {
    const std::vector<std::string> lines = EditRecordLines(edit);
    if (lines.empty())
        return;
    const fs::path file = FileOfEdit(edit, dataFolder);
    report.failures.push_back(Failure{.cause = kUnwrittenEditCause, .path = file.string()});
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    report.rescuable.push_back(
        {file.string(), [text, name = file.filename().string() + ".txt"](const fs::path& folder) -> Result<fs::path> {
             const fs::path copy = folder / name;
             if (const Status written = WriteFileAtomically(copy, text); !written)
                 return written.error();
             return copy;
         }});
}

} // namespace rekko
