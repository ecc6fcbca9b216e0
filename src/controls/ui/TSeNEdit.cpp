// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric edit box.
#include "TSeNEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QRegularExpressionValidator>

namespace rekko {

TSeNEdit::TSeNEdit(int maxDigits, QWidget* parent) : TSeEdit(parent) {
    setValidator(new QRegularExpressionValidator(QRegularExpression(QString("[0-9]{0,%1}").arg(maxDigits)), this));
    setMaxLength(maxDigits);
}

int TSeNEdit::value(int fallback) const {
    bool ok = false;
    const int number = text().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

void TSeNEdit::setValue(int value) {
    setText(QString::number(value));
}

void TSeNEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const bool selected = hasSelectedText();
    menu.addAction(QString::fromUtf8("元に戻す(&U)"), this, &QLineEdit::undo)->setEnabled(isUndoAvailable());
    menu.addSeparator();
    menu.addAction(QString::fromUtf8("切り取り(&T)"), this, &QLineEdit::cut)->setEnabled(selected && !isReadOnly());
    menu.addAction(QString::fromUtf8("コピー(&C)"), this, &QLineEdit::copy)->setEnabled(selected);
    menu.addAction(QString::fromUtf8("貼り付け(&P)"), this, &QLineEdit::paste)
        ->setEnabled(!isReadOnly() && !QGuiApplication::clipboard()->text().isEmpty());
    menu.addAction(QString::fromUtf8("削除(&D)"), this, &QLineEdit::del)->setEnabled(selected && !isReadOnly());
    menu.addSeparator();
    menu.addAction(QString::fromUtf8("すべて選択(&A)"), this, &QLineEdit::selectAll)->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

} // namespace rekko
