// SPDX-License-Identifier: GPL-3.0-or-later
// The memo's text area: the code page 932 gate on typing and pasting, lines, caret and wheel.
#include "MemoEditor.h"

#include "controls/ui/LosslessText.h"
#include "schedule/ScheduleDialogRules.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>

#include <algorithm>

namespace rekko {

namespace {

constexpr int kLinesPerNotch = 3;

} // namespace

MemoEditor::MemoEditor(Dialogs& dialogs, QWidget* parent) : QPlainTextEdit(parent), m_dialogs(dialogs) {
    setObjectName("CaMemo");
}

bool MemoEditor::storable(const QString& text) {
    if (isReadOnly() || text.isEmpty())
        return true;
    if (const auto refusal = FindUnstorableText({FromQString(text)})) {
        m_dialogs.inform(refusal->message);
        return false;
    }
    return true;
}

int MemoEditor::topLine() const {
    return firstVisibleBlock().blockNumber();
}

void MemoEditor::setTopLine(int line) {
    const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 0, document()->blockCount() - 1));
    verticalScrollBar()->setValue(block.firstLineNumber());
}

void MemoEditor::setCaret(int line, int column) {
    const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 0, document()->blockCount() - 1));
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + std::clamp(column, 0, block.length() - 1));
    setTextCursor(cursor);
}

void MemoEditor::keyPressEvent(QKeyEvent* event) {
    // Control characters (Enter, Tab, Backspace) are not text to check; the editor handles them.
    const QString text = event->text();
    const bool typed =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() != QChar::Other_Control; });
    if (typed && !storable(text)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoEditor::inputMethodEvent(QInputMethodEvent* event) {
    if (!storable(event->commitString())) {
        // The composition ends without its text.
        QInputMethodEvent cleared;
        QPlainTextEdit::inputMethodEvent(&cleared);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void MemoEditor::insertFromMimeData(const QMimeData* source) {
    if (source->hasText() && !storable(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

void MemoEditor::wheelEvent(QWheelEvent* event) {
    // Three lines per notch of 120; finer wheels add up to whole notches.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    verticalScrollBar()->setValue(verticalScrollBar()->value() - notches * kLinesPerNotch);
    event->accept();
}

} // namespace rekko
