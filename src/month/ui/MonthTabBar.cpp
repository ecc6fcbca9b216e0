// SPDX-License-Identifier: GPL-3.0-or-later
// Owner-drawn month tabs.
#include "MonthTabBar.h"

#include <QSignalBlocker>
#include <QStyleOptionTab>
#include <QStylePainter>

namespace rekko {

namespace {

constexpr int kTabWidth = 126;

} // namespace

MonthTabBar::MonthTabBar(QWidget* parent) : QTabBar(parent) {
    setObjectName("TabControl1");
    setExpanding(false);
    setDrawBase(false);
    setUsesScrollButtons(false);
    // Room for the five month tabs, as the strip never scrolls; the height does not wait for the first tab.
    setMinimumHeight(fontMetrics().height() + 12);
    setMinimumWidth(5 * kTabWidth);
}

void MonthTabBar::setLabels(const QStringList& labels, int selected) {
    const QSignalBlocker blocker(this);
    while (count() > labels.size())
        removeTab(count() - 1);
    for (int i = 0; i < labels.size(); ++i) {
        if (i < count())
            setTabText(i, labels[i]);
        else
            addTab(labels[i]);
    }
    setCurrentIndex(selected);
}

QSize MonthTabBar::tabSizeHint(int index) const {
    return QSize(kTabWidth, QTabBar::tabSizeHint(index).height());
}

QSize MonthTabBar::minimumTabSizeHint(int index) const {
    // Short of room a tab narrows to its label with the style's margins.
    return QTabBar::tabSizeHint(index);
}

void MonthTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        const QString text = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        const bool selected = i == currentIndex();
        painter.setPen(selected ? QColor(Qt::blue) : palette().color(QPalette::WindowText));
        painter.drawText(option.rect.translated(0, selected ? 0 : 2), Qt::AlignCenter, text);
    }
}

} // namespace rekko
