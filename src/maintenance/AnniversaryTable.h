// SPDX-License-Identifier: GPL-3.0-or-later
// The special-day lines as the rows of the anniversary table: reading them, the form of a row and writing it back.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

// The cells of a row after its number: first year, last year, month, day, weekday (its long name), week, text.
using AnniversaryCells = std::array<std::string, 7>;
enum AnniversaryColumn : size_t { acYear1, acYear2, acMonth, acDay, acWeekday, acWeek, acText };

inline constexpr size_t kAnniversaryRowsAtFirst = 54;

// The forms of an entry, in the order of the form buttons.
enum class AnniversaryForm { MonthDay, EveryWeekday, EveryMonthDay, EveryMonthWeekday, MonthWeekday, Unknown };

// Which fields of the edit form a form takes; the years and the text are always taken.
struct AnniversaryFields {
    bool month = false;
    bool day = false;
    bool weekday = false;
    bool week = false;
};

struct AnniversaryRow {
    AnniversaryCells cells;
    // The lines of no form the table knows that stood before this row's line: written back before it, unchanged.
    std::vector<std::string> keptBefore;
    // The line the row was read from and its cells as read: while the cells are as read, the line is written back.
    std::optional<std::string> line;
    AnniversaryCells readCells;

    bool hasText() const;
};

struct AnniversaryTable {
    std::vector<AnniversaryRow> rows;
    std::vector<std::string> keptAfter; // lines of no known form after the last row read

    // Adds empty rows until there are at least the first count and the last row is empty, so that a new entry
    // never takes the place of the last one.
    void keepEmptyLastRow();
    // The first row without text (the last row when all have one).
    size_t placeToAdd() const;
    // The last row with a text; row 0 when none has.
    size_t lastWithText() const;
};

// Reads the special-day lines into rows: a 7-field line fills the cells as it stands; the 3- to 6-field forms are
// shown as the 7-field line of the same meaning; any other line is kept aside. Weekday numbers 1..7 are shown as
// their long names.
AnniversaryTable ReadAnniversaryTable(const std::vector<std::string>& lines);

// Returns the special-day lines of the table in row order: a row without text after trimming is dropped, a row as
// read gives its line back unchanged, any other gives the seven trimmed cells, the weekday name as its number, each
// with "," as "，" and a blank as "　", quoted where a double quote or a control character remains.
std::vector<std::string> WriteAnniversaryTable(const AnniversaryTable& table);

// Returns the form of a row's numbers (an empty or non-numeric cell counts as 0).
AnniversaryForm FormOf(const AnniversaryCells& cells);

// Returns the fields a form takes: 不明 takes all of them.
AnniversaryFields FieldsOf(AnniversaryForm form);

} // namespace rekko
