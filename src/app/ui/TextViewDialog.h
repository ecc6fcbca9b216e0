// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only text view of the maintenance window (page 9): a text shown in a fixed-width font, scrolled so that
// its last lines are visible, with a close button.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

namespace rekko {

class TextViewDialog : public QDialog {
    Q_OBJECT
public:
    TextViewDialog(const QString& caption, const QString& text, QWidget* parent = nullptr);

    QPlainTextEdit* text() const { return m_text; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* m_text;
    QPushButton* m_close;
};

} // namespace rekko
