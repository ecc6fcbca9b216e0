// SPDX-License-Identifier: GPL-3.0-or-later
// The one-day page of the schedule dialog: the line editor with its context menu, colour commands and shortcuts.
#pragma once

#include "ColourChooser.h"
#include "LineColourEditor.h"

#include "platform/Clock.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <array>

namespace rekko {

class DayPage : public QWidget {
    Q_OBJECT
public:
    DayPage(const Clock& clock, ColourChooser chooser, QWidget* parent = nullptr);

    LineColourEditor* editor() const { return m_editor; }
    // The 文字色 submenu, its check marks set whenever it opens.
    QMenu* colourMenu() const { return m_colourMenu; }
    void setColourChooser(ColourChooser chooser) { m_chooser = std::move(chooser); }

    // Shows a day's lines; the caret goes to the start of the row it was on when the page last closed, or to the
    // end of the text when that row is gone.
    void setDay(const DaySchedule& schedule);
    // Remembers the caret row for the next opening.
    void rememberCaret() { m_caretRow = m_editor->textCursor().blockNumber(); }

private:
    QAction* addCommand(const QString& text, const QKeySequence& shortcut);
    void showContextMenu(const QPoint& position);
    void updateChecks();
    void chooseColour();

    const Clock& m_clock;
    ColourChooser m_chooser;
    LineColourEditor* m_editor;
    QMenu* m_colourMenu;
    std::array<QAction*, 6> m_fixedColours{}; // red, blue, pink, blue-green, brown, standard
    QAction* m_cut;
    QAction* m_copy;
    QAction* m_paste;
    int m_caretRow = 0;
};

} // namespace rekko
