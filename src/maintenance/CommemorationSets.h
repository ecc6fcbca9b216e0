// SPDX-License-Identifier: GPL-3.0-or-later
// Commemoration sets: merging "Ca2*.cmr" files into the month files, removing a set by its delete code, and
// stamping a delete code on the files of a set.
#pragma once

#include "base/Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

inline constexpr const char* kCommemorationFilePattern = "Ca2*.cmr";
inline constexpr const char* kMonthFilePattern = "Ca2*.myc";
inline constexpr int kFirstDeletableCode = 1000;

// How a set is merged: after the first line of a month file (前に挿入) or at its end, and with the colour of the set
// (規定色) or with the import colour's text in field 5.
struct CommemorationImport {
    bool insertBefore = true;
    std::optional<std::string> colour;
};

// The outcome of a bulk command: the files counted, whether any file was written or deleted (the months in memory
// are then stale, success or not), and the failure that stopped it, naming its file.
struct BulkRun {
    int counted = 0;
    bool rewrote = false;
    std::optional<Failure> stopped;
};

// Returns a month file's lines with a set's lines merged in: a set line is dropped when a line already there (or
// taken before it) has the same first field and a fourth field containing the set line's fourth field.
std::vector<std::string> MergeCommemoration(const std::vector<std::string>& month, const std::vector<std::string>& set,
                                            const CommemorationImport& how);

// Returns the lines without those of ten fields or more whose ninth field is the code.
std::vector<std::string> WithoutDeleteCode(const std::vector<std::string>& lines, int code);

// Returns the lines with the ninth field of every line of ten fields or more replaced by the code.
std::vector<std::string> WithDeleteCode(const std::vector<std::string>& lines, int code);

// Reads a code as typed: a whole decimal integer, -1 for anything else.
int DeleteCodeOf(std::string_view text);

// Returns the folder the sets are taken from: the working folder when it holds one, else the program folder.
std::filesystem::path CommemorationFolder(const std::filesystem::path& working, const std::filesystem::path& program);

// Merges every set file of the folder, by name, into the month file of its name in the data folder (empty: the
// current directory): a month without a file takes the set file as it is. Each month file is written atomically
// once merged; then its set file is deleted and counted. Stops at the first file that fails.
BulkRun ImportCommemorations(const std::filesystem::path& setFolder, const std::string& dataFolder,
                             const CommemorationImport& how);

// Removes the lines of a code from every month file of the data folder; a file is written and counted only when it
// lost a line. Stops at the first file that fails.
BulkRun DeleteCommemorations(const std::string& dataFolder, int code);

// Stamps the code on every file of the folder matching the pattern and counts each; a file that already carries
// the code is not written. Stops at the first file that fails.
BulkRun StampDeleteCode(const std::filesystem::path& folder, std::string_view pattern, int code);

} // namespace rekko
