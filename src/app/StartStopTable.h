// SPDX-License-Identifier: GPL-3.0-or-later
// The start-and-stop record as a table for the maintenance window's text view: one row per start with its era
// date, start time and stop time, and rows for the records' own start and end marks.
#pragma once

#include "platform/Dialogs.h"

#include <string>
#include <vector>

namespace rekko {

inline constexpr const char* kAbnormalEndCell = "不正終了";
inline constexpr const char* kUnknownCell = "不明";
inline constexpr const char* kMissingCell = "-";

struct StartStopRow {
    std::string date;
    std::string start;
    std::string stop;
    friend bool operator==(const StartStopRow&, const StartStopRow&) = default;
};

// Builds the rows from the record's lines. A start ("S:") gives its era date and time, with the time of the stop
// ("E:") that follows it, "不正終了" when another start or a "T" line follows, "記録停止" when an "F" line follows and
// "-" when nothing follows; a "T" line gives "記録開始", an "F" line that ends no start "記録終了", a stop that ends
// no start its date and time. A date or time that does not read shows "不明"; at the first such line the user is
// asked "中止しますか？" (once per record), and Yes ends the table there. Lines of any other kind are left out.
std::vector<StartStopRow> StartStopRows(const std::vector<std::string>& lines, Dialogs& dialogs);

// Returns the table as text: the titles "日付", "開始時刻" and "終了時刻", then one line per row, the columns
// padded for a fixed-width font (a character beyond ASCII counts two columns); lines end with "\n".
std::string StartStopTableText(const std::vector<StartStopRow>& rows);

} // namespace rekko
