// SPDX-License-Identifier: GPL-3.0-or-later
// The up-down spinner.
#include "UpDown.h"

#include "settings/ValueText.h"

#include <algorithm>

namespace rekko {

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : UpDownButtons(parent), m_buddy(buddy), m_minimum(minimum), m_maximum(maximum) {
    connect(this, &UpDownButtons::stepped, this, &UpDown::step);
}

int UpDown::value(int fallback) const {
    return IntegerOr(m_buddy->text().toStdString(), fallback);
}

void UpDown::setValue(int value) {
    m_buddy->setText(QString::number(std::clamp(value, m_minimum, m_maximum)));
}

void UpDown::step(int delta) {
    if (isEnabled())
        setValue(value(m_minimum) + delta);
}

} // namespace rekko
