// SPDX-License-Identifier: GPL-3.0-or-later
// The memo's text area: plain text that refuses, as it is typed or pasted, any character code page 932 cannot
// hold, and that scrolls three lines per wheel notch.
#pragma once

#include "platform/Dialogs.h"

#include <QPlainTextEdit>

namespace rekko {

class MemoEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    // The dialogs name a refused character.
    explicit MemoEditor(Dialogs& dialogs, QWidget* parent = nullptr);

    // Returns the first line shown (counted from 0) and scrolls so that a line is the first shown.
    int topLine() const;
    void setTopLine(int line);
    // Puts the caret at a line and column (both counted from 0), kept inside the text.
    void setCaret(int line, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Answers whether text may come in; otherwise shows the message naming the character.
    bool storable(const QString& text);

    Dialogs& m_dialogs;
    int m_wheelRemainder = 0;
};

} // namespace rekko
