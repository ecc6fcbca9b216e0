// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only text view with its close button.
#include "TextViewDialog.h"

#include "controls/ui/TCalExFonts.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

namespace rekko {

TextViewDialog::TextViewDialog(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this)), m_close(new QPushButton(QStringLiteral("閉じる"), this)) {
    setObjectName("fmSetup");
    setWindowTitle(caption);
    m_text->setObjectName("meDbg");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The table's columns are padded for a font in which a kanji is as wide as two Latin letters.
    m_text->setFont(CalendarFont(11));
    m_text->setPlainText(text);
    m_close->setObjectName("btnClose");
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(bottom);
    resize(560, 420);
}

void TextViewDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Laid out only now, so the scroll range is known only now.
    m_text->moveCursor(QTextCursor::End);
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
}

} // namespace rekko
