// SPDX-License-Identifier: GPL-3.0-or-later
// What the schedule dialog held when the system ended the program: reported as not saved, kept as its file lines.
#pragma once

#include "base/SaveReport.h"
#include "schedule/ScheduleEdit.h"

#include <string>

namespace rekko {

inline constexpr const char* kUnwrittenEditCause = "予定の入力を書き込まないまま終了しました";

// Adds the edit to the report as a failure of the file it was meant for (the month file of its day or the period
// file in dataFolder, or "Sday.myc" of the current directory), with a rescue that writes the lines it would have
// become to "<file name>.txt" in UTF-8, as they are: no date is checked and no character refused, so nothing typed
// is lost. An edit that comes to no line (an anniversary emptied) adds nothing.
void AddUnwrittenEdit(SaveReport& report, const ScheduleEdit& edit, const std::string& dataFolder);

} // namespace rekko
