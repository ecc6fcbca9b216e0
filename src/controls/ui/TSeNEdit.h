// SPDX-License-Identifier: GPL-3.0-or-later
// A numeric edit box: the edit box's navigation, digits only, and a short context menu of edit commands.
#pragma once

#include "TSeEdit.h"

namespace rekko {

class TSeNEdit : public TSeEdit {
    Q_OBJECT
public:
    // maxDigits limits the number's length (4 for a year, 2 for a month or day).
    explicit TSeNEdit(int maxDigits, QWidget* parent = nullptr);

    // Returns the number in the box, or fallback when it holds none.
    int value(int fallback) const;
    // Shows a number.
    void setValue(int value);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace rekko
