// SPDX-License-Identifier: GPL-3.0-or-later
// A single-line edit box with focus colours, Enter to move on, and arrow-key navigation to named neighbours.
#pragma once

#include "SeNeighbours.h"

#include <QLineEdit>

namespace rekko {

class TSeEdit : public QLineEdit, public SeNeighbourProperties {
    Q_OBJECT
    Q_PROPERTY(bool IsReturnNext MEMBER m_isReturnNext)
    Q_PROPERTY(Qt::KeyboardModifiers KeyAddShift READ KeyAddShift WRITE setKeyAddShift)
    Q_PROPERTY(uint ColorActive MEMBER m_colorActive)
    Q_PROPERTY(uint ColorFontActive MEMBER m_colorFontActive)
    Q_PROPERTY(QWidget* KeyUpNext READ KeyUpNext WRITE setKeyUpNext)
    Q_PROPERTY(QWidget* KeyDownNext READ KeyDownNext WRITE setKeyDownNext)
    Q_PROPERTY(QWidget* KeyLeftNext READ KeyLeftNext WRITE setKeyLeftNext)
    Q_PROPERTY(QWidget* KeyRightNext READ KeyRightNext WRITE setKeyRightNext)

public:
    explicit TSeEdit(QWidget* parent = nullptr);

    bool IsReturnNext() const { return m_isReturnNext; }
    void setIsReturnNext(bool on) { m_isReturnNext = on; }
    TColor ColorActive() const { return m_colorActive; }
    void setColorActive(TColor colour) { m_colorActive = colour; }
    TColor ColorFontActive() const { return m_colorFontActive; }
    void setColorFontActive(TColor colour) { m_colorFontActive = colour; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_isReturnNext = false;
    TColor m_colorActive = 0xFFFFEE;
    TColor m_colorFontActive = clBlack;
};

} // namespace rekko
