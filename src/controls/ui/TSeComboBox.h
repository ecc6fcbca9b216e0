// SPDX-License-Identifier: GPL-3.0-or-later
// An editable combo box with focus colours, arrow-key and Enter navigation, and a most-recently-used history.
#pragma once

#include "SeNeighbours.h"

#include <QComboBox>

namespace rekko {

class TSeComboBox : public QComboBox, public SeNeighbourProperties {
    Q_OBJECT
    Q_PROPERTY(Qt::KeyboardModifiers KeyAddShift READ KeyAddShift WRITE setKeyAddShift)
    Q_PROPERTY(uint ColorActive MEMBER m_colorActive)
    Q_PROPERTY(uint ColorFontActive MEMBER m_colorFontActive)
    Q_PROPERTY(bool DeActivePost MEMBER m_deActivePost)
    Q_PROPERTY(int ItemsMaxCount MEMBER m_itemsMaxCount)
    Q_PROPERTY(bool ItemSort MEMBER m_itemSort)
    Q_PROPERTY(QWidget* KeyUpNext READ KeyUpNext WRITE setKeyUpNext)
    Q_PROPERTY(QWidget* KeyDownNext READ KeyDownNext WRITE setKeyDownNext)
    Q_PROPERTY(QWidget* KeyLeftNext READ KeyLeftNext WRITE setKeyLeftNext)
    Q_PROPERTY(QWidget* KeyRightNext READ KeyRightNext WRITE setKeyRightNext)

public:
    explicit TSeComboBox(QWidget* parent = nullptr);

    int ItemsMaxCount() const { return m_itemsMaxCount; }
    void setItemsMaxCount(int count) { m_itemsMaxCount = count; }
    bool ItemSort() const { return m_itemSort; }
    void setItemSort(bool on) { m_itemSort = on; }

    // Records the current text in the history: moved to the top when listed, else inserted first.
    void recordText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TColor m_colorActive = 0xFFFFEE;
    TColor m_colorFontActive = clBlue;
    bool m_deActivePost = true;
    int m_itemsMaxCount = 10;
    bool m_itemSort = false;
};

} // namespace rekko
