// SPDX-License-Identifier: GPL-3.0-or-later
// The anniversary of a month and day in the special-day list, and its record.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// An anniversary as the dialog shows it: the two years as typed (blank when 0) and the text with its first
// "，" between digits as "," and every "　" as " "; position is its line in the special-day list, if any.
struct Anniversary {
    std::string firstYear;
    std::string lastYear;
    std::string text;
    std::optional<size_t> position;
};

// Finds the first special-day line whose third and fourth fields are the month and day (a field that is not a
// number never matches); no match gives an empty anniversary without position.
Anniversary FindAnniversary(const std::vector<std::string>& specialLines, int month, int day);

// Returns a text as a field of a special-day record: "," as "，" and every blank as "　"; a text that then still holds
// a double quote or a control character becomes a quoted field with its quotes doubled. The empty text stays empty.
std::string AnniversaryField(std::string_view text);

// Builds the record "first,last,month,day,,,text" with "," in the text as "，" and every blank as "　"; a text that
// then still holds a double quote or a control character is written as a quoted field with its quotes doubled.
std::string FormatAnniversaryRecord(std::string_view firstYear, std::string_view lastYear, int month, int day,
                                    std::string_view text);

// Replaces the found anniversary in the special-day list by the edited one: the old line goes, and the new
// record is appended unless the text is empty or blank (which deletes the anniversary).
void ReplaceAnniversary(std::vector<std::string>& specialLines, const Anniversary& found, const Anniversary& edited,
                        int month, int day);

} // namespace rekko
