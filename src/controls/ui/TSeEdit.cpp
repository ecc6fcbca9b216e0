// SPDX-License-Identifier: GPL-3.0-or-later
// The edit box with neighbour navigation.
#include "TSeEdit.h"

#include <QKeyEvent>

namespace rekko {

TSeEdit::TSeEdit(QWidget* parent) : QLineEdit(parent) {}

void TSeEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_isReturnNext && event->modifiers() == Qt::NoModifier) {
        if (!MoveFocusAlong(this, "KeyRightNext"))
            focusNextPrevChild(true);
        return;
    }
    if (const char* direction = m_neighbours.directionOf(*event); direction && MoveFocusAlong(this, direction))
        return;
    QLineEdit::keyPressEvent(event);
}

void TSeEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!(focusPolicy() & Qt::TabFocus)) {
        // A box out of the tab order passes the focus straight on.
        window()->raise();
        focusNextPrevChild(true);
        return;
    }
    ShowFocusColours(this, m_neighbours, m_colorActive, m_colorFontActive, false);
}

void TSeEdit::focusOutEvent(QFocusEvent* event) {
    RestoreColours(this, m_neighbours);
    QLineEdit::focusOutEvent(event);
}

} // namespace rekko
