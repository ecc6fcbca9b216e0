// SPDX-License-Identifier: GPL-3.0-or-later
// The month page tsMonth: the month tab strip, the panel that holds the month grid, the command buttons and the
// grid's popups.
#pragma once

#include "MonthTabBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

namespace rekko {

// The command buttons; each carries its name as objectName. btnM4, btnM5 and btnM7 carry no command and are inert.
struct MonthPageButtons {
    QPushButton* yearMonth = nullptr;       // btnM1 "年月指定"
    QPushButton* standardDisplay = nullptr; // btnM2 "標準表示"
    QPushButton* settings = nullptr;        // btnM3 "設定"
    QPushButton* excel = nullptr;           // btnM6 "Excel"
    QPushButton* memo = nullptr;            // btnM8 "メモ"
    QPushButton* zunbo = nullptr;           // btnM9 "Zunbo"
    QPushButton* timer = nullptr;           // btnM10 "時限"
    QPushButton* thisMonth = nullptr;       // btnM11 "今月"
    QPushButton* resident = nullptr;        // btnM12 "常駐"
    QPushButton* previousYear = nullptr;    // btnZennen "≪"
    QPushButton* previousMonth = nullptr;   // btnZengetu "＜"
    QPushButton* nextMonth = nullptr;       // btnYokugetu "＞"
    QPushButton* nextYear = nullptr;        // btnYokunen "≫"
};

// The grid's popups and their entries, named as the buttons are.
struct MonthPageMenus {
    QMenu* grid = nullptr;           // pMenu1
    QAction* editDay = nullptr;      // pmYoteiHenshuu "予定編集(&E)"
    QAction* resident = nullptr;     // pmJouchuu "常駐(&J)"
    QAction* periodStart = nullptr;  // pmYoteiSt "期間予定開始(&A)"
    QAction* periodEnd = nullptr;    // pmYoteiEd "期間予定終了(&Z)"
    QAction* anniversary = nullptr;  // pmKinenbi "記念日編集(&K)"
    QAction* exit = nullptr;         // pmShuuryou "Rekko終了(&X)"
    QMenu* period = nullptr;         // pmSakujo, while a period bar is selected
    QAction* cancel = nullptr;       // pmCancel "キャンセル(&C)"
    QAction* deletePeriod = nullptr; // pmSakujoDelete "削除(&D)"
};

class MonthPage : public QWidget {
    Q_OBJECT
public:
    explicit MonthPage(QWidget* parent = nullptr);

    const MonthPageButtons& buttons() const { return m_buttons; }
    const MonthPageMenus& menus() const { return m_menus; }
    // TabControl1: the month view fills in the labels of the month slots.
    MonthTabBar* monthTabs() const { return m_tabs; }
    // pnlMonth: the month grid goes in here, filling it.
    QWidget* gridPanel() const { return m_gridPanel; }
    // pnlCmr, the commemoration panel.
    QLabel* commemorationPanel() const { return m_commemoration; }
    // meNengetu, the year-month entry; hidden until the year-month command.
    QLineEdit* yearMonthEntry() const { return m_yearMonth; }

    // Empties a button and makes it inert.
    static void makeInert(QPushButton* button);

private:
    MonthPageButtons m_buttons;
    MonthPageMenus m_menus;
    MonthTabBar* m_tabs;
    QWidget* m_gridPanel;
    QLabel* m_commemoration;
    QLineEdit* m_yearMonth;
};

} // namespace rekko
