// SPDX-License-Identifier: GPL-3.0-or-later
// The combo box with neighbour navigation and history.
#include "TSeComboBox.h"

#include "TCalExFonts.h"

#include "controls/MruHistory.h"

#include <QKeyEvent>

namespace rekko {

TSeComboBox::TSeComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Enter is handled here; the platform's own insertion would add every entered text.
    setInsertPolicy(QComboBox::NoInsert);
    setFont(CalendarFont(font().pointSize()));
}

void TSeComboBox::recordText() {
    std::vector<std::string> items;
    for (int i = 0; i < count(); ++i)
        items.push_back(itemText(i).toStdString());
    RecordInHistory(items, currentText().toStdString(), static_cast<size_t>(std::max(m_itemsMaxCount, 0)));
    const QString shown = currentText();
    clear();
    for (const auto& item : items)
        addItem(QString::fromStdString(item));
    if (count() > 0)
        setCurrentIndex(0);
    else
        setEditText(shown);
}

void TSeComboBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter) {
        if (m_itemSort)
            recordText();
        // With a right neighbour Enter is a Right arrow that moves there; without one it is a Tab, and then goes on
        // as usual (a dialog's default button takes it).
        if (KeyRightNext()) {
            if (MoveFocusAlong(this, "KeyRightNext"))
                return;
        } else {
            focusNextPrevChild(true);
        }
        QComboBox::keyPressEvent(event);
        return;
    }
    if (const char* direction = m_neighbours.directionOf(*event); direction && MoveFocusAlong(this, direction))
        return;
    QComboBox::keyPressEvent(event);
}

void TSeComboBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    ShowFocusColours(this, m_neighbours, m_colorActive, m_colorFontActive, true);
}

void TSeComboBox::focusOutEvent(QFocusEvent* event) {
    RestoreColours(this, m_neighbours);
    if (m_itemSort)
        recordText();
    QComboBox::focusOutEvent(event);
}

} // namespace rekko
