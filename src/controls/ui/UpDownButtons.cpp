// SPDX-License-Identifier: GPL-3.0-or-later
// The arrow-button pair.
#include "UpDownButtons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace rekko {

UpDownButtons::UpDownButtons(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const auto& [arrow, step] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, s = step] { emit stepped(s); });
        layout->addWidget(button);
    }
}

} // namespace rekko
