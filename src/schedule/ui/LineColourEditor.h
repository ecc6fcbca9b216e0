// SPDX-License-Identifier: GPL-3.0-or-later
// The day editor: plain text lines, each carrying its own line attribute inside the document, so colours follow
// their lines through every edit, undo and redo.
#pragma once

#include "schedule/DayLines.h"
#include "schedule/LineColours.h"

#include <QPlainTextEdit>

#include <optional>

namespace rekko {

class LineColourEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LineColourEditor(QWidget* parent = nullptr);

    // Shows a day: one line per text with its attribute; the undo history is cleared and the text is unmodified.
    void setSchedule(const DaySchedule& schedule);
    // Returns the lines with their attributes, carried fields as loaded.
    DaySchedule schedule() const;
    // Returns the attribute of a line (the standard attribute beyond the last line).
    LineAttribute attributeOf(int row) const;

    // Gives the selected rows, or the caret's row, a colour by the colour-command rules.
    void applyColour(TColor colour, bool chosen);
    // Returns the colour to check in the colour menu, none when a selection spans rows.
    std::optional<TColor> checkedColour() const;

    // Inserts text at the caret, lines added as the Enter rules say.
    void insertLines(const QString& text);
    // Copies the selection and clears it; cuts the selection.
    void copyAndDeselect();
    void cutSelection();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Handles the keys whose line attributes this editor decides; answers false for the others.
    bool handledHere(QKeyEvent* event);
    void removeSelection(QTextCursor& cursor);
    void removeSelectionAsOneStep();
    bool joinAtCaret(bool backward);
    TextSelection selectionOf(const QTextCursor& cursor) const;

    int m_wheelRemainder = 0;
};

} // namespace rekko
