// SPDX-License-Identifier: GPL-3.0-or-later
// The month tab strip TabControl1: tabs 126 pixels wide, the selected tab's text blue, the others two pixels lower.
#pragma once

#include <QTabBar>

namespace rekko {

class MonthTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit MonthTabBar(QWidget* parent = nullptr);

    // Replaces the tabs by the given labels and selects one, without raising currentChanged.
    void setLabels(const QStringList& labels, int selected);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace rekko
