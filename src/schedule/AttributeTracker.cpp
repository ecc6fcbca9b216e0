// Tracking edits of the day editor to keep one attribute per line.
#include "AttributeTracker.h"

#include <algorithm>

namespace rekko {

void AttributeTracker::reset(std::vector<LineAttribute> attributes, int caretRow, int caretColumn) {
    m_attributes = std::move(attributes);
    m_lineCount = static_cast<int>(m_attributes.size());
    m_caretRow = caretRow;
    m_caretColumn = caretColumn;
    m_hasSelection = false;
    m_backspace = Backspace::None;
}

void AttributeTracker::caretMoved(int row, int column, const TextSelection* selection) {
    m_caretRow = row;
    m_caretColumn = column;
    if (selection) {
        m_selection = *selection;
        m_hasSelection = true;
    }
}

void AttributeTracker::cutting(const TextSelection& selection) {
    m_selection = selection;
    m_hasSelection = true;
}

void AttributeTracker::pasting() { m_hasSelection = false; }

void AttributeTracker::backspacing(int caretRow, int caretColumn, bool previousLineEmpty) {
    if (caretRow == 0)
        return;
    m_backspace = caretColumn == 0 && previousLineEmpty ? Backspace::AfterEmptyLine : Backspace::Other;
}

void AttributeTracker::insertStandard(size_t position, size_t count) {
    position = std::min(position, m_attributes.size());
    m_attributes.insert(m_attributes.begin() + static_cast<std::ptrdiff_t>(position), count, LineAttribute{});
}

void AttributeTracker::remove(size_t position, size_t count) {
    position = std::min(position, m_attributes.size());
    count = std::min(count, m_attributes.size() - position);
    const auto first = m_attributes.begin() + static_cast<std::ptrdiff_t>(position);
    m_attributes.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

bool AttributeTracker::textChanged(int lineCount, int caretRow, int caretColumn) {
    const auto oldRow = static_cast<size_t>(std::max(m_caretRow, 0));
    if (lineCount > m_lineCount) {
        // The first new line sits at the caret row when the caret was at the start of a line (the old line
        // moved down), else after it; any further lines follow the caret row.
        const auto added = static_cast<size_t>(lineCount - m_lineCount);
        insertStandard(m_caretColumn != 0 ? oldRow + 1 : oldRow, 1);
        insertStandard(oldRow + 1, added - 1);
    } else if (lineCount < m_lineCount) {
        const auto removed = static_cast<size_t>(m_lineCount - lineCount);
        size_t position = oldRow;
        if (m_hasSelection) {
            const auto start = static_cast<size_t>(std::max(m_selection.startRow, 0));
            position = m_selection.startColumn != 0 ? start + 1 : start;
        } else if (caretColumn == 0 && m_backspace == Backspace::AfterEmptyLine && oldRow > 0) {
            // Joining a line onto the empty line above: the empty line goes, the moved line keeps its colour.
            position = oldRow - 1;
        }
        remove(position, removed);
    }
    m_lineCount = lineCount;
    m_caretRow = caretRow;
    m_caretColumn = caretColumn;
    m_hasSelection = false;
    m_backspace = Backspace::None;
    return static_cast<int>(m_attributes.size()) == lineCount;
}

} // namespace rekko
