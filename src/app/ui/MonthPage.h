// The month page tsMonth: the month tab strip, the panel that holds the month grid, and the command buttons.
#pragma once

#include "MonthTabBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QWidget>

namespace rekko {

class MonthPage : public QWidget {
    Q_OBJECT
public:
    explicit MonthPage(QWidget* parent = nullptr);

    // TabControl1: the month view fills in the labels of the month slots.
    MonthTabBar* monthTabs() const { return m_tabs; }
    // pnlMonth: the month grid goes in here, filling it.
    QWidget* gridPanel() const { return m_gridPanel; }
    // pMenu1, the popup of the grid; pmSakujo, its popup while a period bar is selected.
    QMenu* gridMenu() const { return m_gridMenu; }
    QMenu* periodMenu() const { return m_periodMenu; }
    // pnlCmr, the commemoration panel.
    QLabel* commemorationPanel() const { return m_commemoration; }
    // meNengetu, the year-month entry; hidden until the year-month command.
    QLineEdit* yearMonthEntry() const { return m_yearMonth; }
    // Returns a command button by its name (btnM1 … btnM12, btnZengetu, btnYokugetu, btnZennen, btnYokunen).
    QPushButton* button(const QString& name) const;

    // Empties a button and makes it inert.
    static void makeInert(QPushButton* button);

signals:
    // "Rekko終了(&X)" of the grid popup.
    void exitRequested();

private:
    MonthTabBar* m_tabs;
    QWidget* m_gridPanel;
    QMenu* m_gridMenu;
    QMenu* m_periodMenu;
    QLabel* m_commemoration;
    QLineEdit* m_yearMonth;
};

} // namespace rekko
