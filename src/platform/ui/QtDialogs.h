// SPDX-License-Identifier: GPL-3.0-or-later
// The message-box port on QMessageBox: exact caption, icon, buttons and default button.
#pragma once

#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace rekko {

class QtDialogs : public Dialogs {
public:
    // With answerToMessageBoxTitle a shown box answers a second start on "確認 -Rekko-" by coming to the front.
    explicit QtDialogs(bool answerToMessageBoxTitle);

    DialogAnswer show(const DialogMessage& message) override;

    // Sets the window the boxes belong to.
    void setParentWindow(QWidget* parent) { m_parent = parent; }

    // Unattended (while the system ends the program): the boxes open now are answered with their system-end
    // answer; later no box is shown, each text goes to the error output and that answer is taken.
    void setUnattended(bool unattended);

private:
    bool m_answerToMessageBoxTitle;
    bool m_unattended = false;
    QPointer<QWidget> m_parent;
    // The button of the system-end answer of each box open now, innermost last.
    std::vector<QAbstractButton*> m_systemEndButtons;
};

} // namespace rekko
