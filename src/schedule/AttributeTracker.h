// Keeps the line attribute list of the day editor in step with its lines while the user edits.
#pragma once

#include "LineAttribute.h"

#include <vector>

namespace rekko {

inline constexpr const char* kAttributesOutOfStepMessage =
    "行属性の整合性が、あっておりません。\r\n申し訳ございませんが、この修正をキャンセルしてください。";

// A range of selected text in the editor, in rows and columns.
struct TextSelection {
    int startRow = 0;
    int endRow = 0;
    int startColumn = 0;
    int endColumn = 0;
};

class AttributeTracker {
public:
    // Starts tracking a freshly loaded day: its attributes, the editor's line count and caret.
    void reset(std::vector<LineAttribute> attributes, int caretRow, int caretColumn);

    // Notes a caret move; with text selected the selection is remembered for the next change.
    void caretMoved(int row, int column, const TextSelection* selection);
    // Notes a cut of the selection, a paste, and a backspace at the caret (on rows after the first).
    void cutting(const TextSelection& selection);
    void pasting();
    void backspacing(int caretRow, int caretColumn, bool previousLineEmpty);

    // Brings the attributes in step after the text changed to lineCount lines with the caret at row/column:
    // added lines get the standard attribute at the caret, removed lines take their attributes with them.
    // Answers false when the counts still differ afterwards (the edit should then be cancelled).
    bool textChanged(int lineCount, int caretRow, int caretColumn);

    const std::vector<LineAttribute>& attributes() const { return m_attributes; }
    std::vector<LineAttribute>& attributes() { return m_attributes; }

private:
    enum class Backspace { None, AfterEmptyLine, Other };

    void insertStandard(size_t position, size_t count);
    void remove(size_t position, size_t count);

    std::vector<LineAttribute> m_attributes;
    int m_lineCount = 0;
    int m_caretRow = 0;
    int m_caretColumn = 0;
    bool m_hasSelection = false;
    TextSelection m_selection;
    Backspace m_backspace = Backspace::None;
};

} // namespace rekko
