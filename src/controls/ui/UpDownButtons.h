// SPDX-License-Identifier: GPL-3.0-or-later
// A pair of arrow buttons beside a numeric box that report a step up or down; the owner decides what a step does.
#pragma once

#include <QWidget>

namespace rekko {

class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    explicit UpDownButtons(QWidget* parent = nullptr);

signals:
    // One step: +1 for the up arrow, -1 for the down arrow.
    void stepped(int step);
};

} // namespace rekko
