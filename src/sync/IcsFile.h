// SPDX-License-Identifier: GPL-3.0-or-later
// The iCalendar export of the window: the months from the book or the data folder, the file written, the message.
#pragma once

#include "IcsExport.h"

#include "base/Result.h"
#include "files/UserFiles.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

// Returns the month lines of the book's slot that holds a loaded month (its edits included), else those of the month
// file in the data folder; a file that exists but cannot be read gives none and its name is added to unreadable.
MonthLinesSource BookMonthLines(const ScheduleBook& book, const FileSet& files, std::vector<std::string>& unreadable);

// Writes the export into the file through the one atomic write; fails with the cause.
Status WriteIcsFile(const std::filesystem::path& file, const IcsExport& exported);

// Returns the notice after an export into file: the events written, then the malformed lines left out and the files
// that could not be read, when there are any.
std::string IcsExportNotice(const IcsExport& exported, const std::filesystem::path& file,
                            const std::vector<std::string>& unreadable);

// Returns the message of a file that could not be written, with the cause.
std::string IcsWriteFailure(const std::filesystem::path& file, const Failure& failure);

} // namespace rekko
