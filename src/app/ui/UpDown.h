// SPDX-License-Identifier: GPL-3.0-or-later
// An up-down spinner beside a text field: it steps the integer in the field within a range.
#pragma once

#include "controls/ui/UpDownButtons.h"

#include <QLineEdit>

namespace rekko {

class UpDown : public UpDownButtons {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    // Returns the integer in the field, or fallback when the field does not hold one.
    int value(int fallback) const;
    // Puts a value, clamped to the range, into the field.
    void setValue(int value);

private:
    void step(int delta);

    QLineEdit* m_buddy;
    int m_minimum;
    int m_maximum;
};

} // namespace rekko
