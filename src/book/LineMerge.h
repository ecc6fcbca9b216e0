// SPDX-License-Identifier: GPL-3.0-or-later
// Three-way merges of a file of lines: the file as last read or written (base), the lines in memory (ours) and the
// file on disk now (theirs), for month files and for files of records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rekko {

// The lines of a file as bytes, without line ends and without the bytes from the end-of-file mark on.
using ByteLines = std::vector<std::string_view>;

// How often each line occurs: lines as multisets.
using LineCounts = std::unordered_map<std::string_view, long>;
LineCounts CountLines(const ByteLines& lines);
// How often a line occurs in counts (0 when not at all).
long CountOf(const LineCounts& counts, std::string_view line);

// What a merge did, for the message that tells the user.
struct MergeReport {
    std::vector<int> daysFromDisk; // days changed only on disk: taken from there
    std::vector<int> daysFromBoth; // days changed on both sides: lines kept from both
    size_t recordsFromDisk = 0;    // records added or removed on disk and kept so
    size_t keptTwice = 0;          // records edited on both sides: both versions kept
    bool diskTooShort = false;     // the disk held fewer than half of the base's lines: not merged from

    // Answers whether anything on disk was taken in or set aside.
    bool merged() const;
    // Returns the one-line Japanese note of what happened to the file, or an empty text when nothing did.
    std::string describe(std::string_view file) const;
};

struct MergeResult {
    ByteLines lines; // views into the lines given
    MergeReport report;
};

// Answers whether theirs has so few lines against the base that it is taken as a broken copy, never merged from.
bool TooShortToMergeFrom(size_t baseCount, size_t theirCount);

// Merges a month file. A day's lines are all lines with that day in field 0, wherever they stand. The header (line 1
// when it belongs to no day) is theirs' when theirs has one, else ours'; other lines of no day are theirs'. A day
// unchanged here is theirs', one unchanged on disk ours'; one changed on both sides is theirs' lines minus those ours
// removed (and theirs still holds), plus those ours added (and theirs did not add as well), in ours' order. The lines
// come in theirs' order, but each day whose result is not exactly theirs' goes to the end, days in the order of their
// first line in ours.
MergeResult MergeMonthLines(const ByteLines& base, const ByteLines& ours, const ByteLines& theirs);

// Merges a file of records without identity (the period file, the special days): the header as for month files, then
// theirs' records minus those ours removed, plus those ours added, appended in ours' order. A record edited on both
// sides is thus kept in both versions (counted in keptTwice).
MergeResult MergeRecordLines(const ByteLines& base, const ByteLines& ours, const ByteLines& theirs);

} // namespace rekko
