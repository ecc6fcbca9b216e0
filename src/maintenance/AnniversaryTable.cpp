// SPDX-License-Identifier: GPL-3.0-or-later
// The anniversary table read from and written to the special-day lines.
#include "AnniversaryTable.h"

#include "base/CommaText.h"
#include "base/TextProcedures.h"
#include "schedule/Anniversary.h"

#include <utility>

namespace rekko {

namespace {

std::string WeekdayShown(const std::string& field) {
    return field.size() == 1 && field[0] >= '1' && field[0] <= '7' ? WeekdayLongName(field[0] - '0') : field;
}

int NumberOf(const std::string& cell) {
    return FieldInteger(TrimBlanks(cell)).value_or(0);
}

int WeekdayOf(const std::string& cell) {
    const std::string number = WeekdayNumberText(TrimBlanks(cell));
    return number.empty() ? NumberOf(cell) : NumberOf(number);
}

// The years of the 5- and 6-field forms as first and last year: mode "0" only that year, "1" up to it, "2" from it
// on, any other mode no limit.
std::pair<std::string, std::string> YearsOf(const std::string& year, const std::string& mode) {
    if (mode == "0")
        return {year, year};
    if (mode == "1")
        return {"", year};
    if (mode == "2")
        return {year, ""};
    return {};
}

std::optional<AnniversaryCells> CellsOf(const std::vector<std::string>& f) {
    switch (f.size()) {
    case 3:
        return AnniversaryCells{"", "", f[0], f[1], "", "", f[2]};
    case 4:
        return AnniversaryCells{"", "", f[0], "", WeekdayShown(f[2]), f[1], f[3]};
    case 5: {
        const auto [first, last] = YearsOf(f[0], f[1]);
        return AnniversaryCells{first, last, f[2], f[3], "", "", f[4]};
    }
    case 6: {
        const auto [first, last] = YearsOf(f[0], f[1]);
        return AnniversaryCells{first, last, f[2], "", WeekdayShown(f[4]), f[3], f[5]};
    }
    case 7:
        return AnniversaryCells{f[0], f[1], f[2], f[3], WeekdayShown(f[4]), f[5], f[6]};
    default:
        return std::nullopt;
    }
}

std::string LineOf(const AnniversaryCells& cells) {
    std::string line;
    for (size_t column = 0; column < cells.size(); ++column) {
        std::string cell(TrimBlanks(cells[column]));
        if (column == acWeekday) {
            if (std::string number = WeekdayNumberText(cell); !number.empty())
                cell = number;
        }
        if (column > 0)
            line += ',';
        line += AnniversaryField(cell);
    }
    return line;
}

} // namespace

bool AnniversaryRow::hasText() const {
    return !TrimBlanks(cells[acText]).empty();
}

void AnniversaryTable::keepEmptyLastRow() {
    while (rows.size() < kAnniversaryRowsAtFirst || rows.back().hasText())
        rows.emplace_back();
}

size_t AnniversaryTable::placeToAdd() const {
    for (size_t row = 0; row < rows.size(); ++row)
        if (!rows[row].hasText())
            return row;
    return rows.empty() ? 0 : rows.size() - 1;
}

size_t AnniversaryTable::lastWithText() const {
    for (size_t row = rows.size(); row > 0; --row)
        if (rows[row - 1].hasText())
            return row - 1;
    return 0;
}

AnniversaryTable ReadAnniversaryTable(const std::vector<std::string>& lines) {
    AnniversaryTable table;
    std::vector<std::string> kept;
    for (const std::string& line : lines) {
        const std::optional<AnniversaryCells> cells = CellsOf(SplitCommaText(line));
        if (!cells) {
            kept.push_back(line);
            continue;
        }
        AnniversaryRow& row = table.rows.emplace_back();
        row.cells = *cells;
        row.readCells = *cells;
        row.line = line;
        row.keptBefore = std::exchange(kept, {});
    }
    table.keptAfter = std::move(kept);
    table.keepEmptyLastRow();
    return table;
}

std::vector<std::string> WriteAnniversaryTable(const AnniversaryTable& table) {
    std::vector<std::string> lines;
    for (const AnniversaryRow& row : table.rows) {
        lines.insert(lines.end(), row.keptBefore.begin(), row.keptBefore.end());
        if (row.line && row.cells == row.readCells)
            lines.push_back(*row.line);
        else if (row.hasText())
            lines.push_back(LineOf(row.cells));
    }
    lines.insert(lines.end(), table.keptAfter.begin(), table.keptAfter.end());
    return lines;
}

AnniversaryForm FormOf(const AnniversaryCells& cells) {
    const int month = NumberOf(cells[acMonth]);
    const int day = NumberOf(cells[acDay]);
    const int weekday = WeekdayOf(cells[acWeekday]);
    const int week = NumberOf(cells[acWeek]);
    if (week == 0 && weekday == 0) {
        if (day > 0 && month > 0)
            return AnniversaryForm::MonthDay;
        if (day > 0 && month == 0)
            return AnniversaryForm::EveryMonthDay;
        return AnniversaryForm::Unknown;
    }
    if (week == 0 && weekday >= 1)
        return month == 0 && day == 0 ? AnniversaryForm::EveryWeekday : AnniversaryForm::Unknown;
    if (week >= 1 && weekday >= 1) {
        if (month == 0)
            return AnniversaryForm::EveryMonthWeekday;
        if (month >= 1)
            return AnniversaryForm::MonthWeekday;
    }
    return AnniversaryForm::Unknown;
}

AnniversaryFields FieldsOf(AnniversaryForm form) {
    switch (form) {
    case AnniversaryForm::MonthDay:
        return {.month = true, .day = true};
    case AnniversaryForm::EveryWeekday:
        return {.weekday = true};
    case AnniversaryForm::EveryMonthDay:
        return {.day = true};
    case AnniversaryForm::EveryMonthWeekday:
        return {.weekday = true, .week = true};
    case AnniversaryForm::MonthWeekday:
        return {.month = true, .weekday = true, .week = true};
    case AnniversaryForm::Unknown:
        break;
    }
    return {true, true, true, true};
}

} // namespace rekko
