// SPDX-License-Identifier: GPL-3.0-or-later
// The menus of the main window.
#include "MainMenu.h"

#include <QMenu>

namespace rekko {

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    using A = MainMenuActions;
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName("mnFile");
    add(file, &A::backup, "mmBackup", "バックアップ(&B)");
    add(file, &A::textExport, "mmTextKakidashi", "テキスト書出(&W)");
    add(file, &A::icsExport, "mmIcsKakidashi", "iCalendar 書出(&I)...");
    file->addSeparator();
    add(file, &A::exit, "mmShuuryou", "終了(&X)");

    QMenu* move = bar->addMenu(QStringLiteral("移動(&G)"));
    move->setObjectName("mnIdou");
    m_actions.moveMenu = move->menuAction();
    add(move, &A::previousMonth, "mmZengetu", "前月(&J)", Qt::CTRL | Qt::Key_J);
    add(move, &A::nextMonth, "mmYokugetu", "翌月(&K)", Qt::CTRL | Qt::Key_K);
    add(move, &A::previousYear, "mmZennen", "前年(&I)", Qt::CTRL | Qt::Key_I);
    add(move, &A::nextYear, "mmYokunen", "翌年(&M)", Qt::CTRL | Qt::Key_M);

    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName("mnHyouji");
    add(view, &A::dayCount, "mmNissuu", "日数計算(&N)");
    add(view, &A::startRecord, "mmKidouJikoku", "起動時刻(&J)")->setEnabled(false);

    QMenu* memo = bar->addMenu(QStringLiteral("メモ欄(&M)"));
    memo->setObjectName("mnMemo");
    QAction* memoItem = add(memo, &A::memo, "mmMemo", "メモ(&M)");
    memoItem->setCheckable(true);
    memoItem->setChecked(true);
    add(memo, &A::readMe, "mmReadMe", "ReadMe(&R)");
    add(memo, &A::usage, "mmShiyouhou", "使用法(&U)");
    add(memo, &A::latest, "mmSaishin", "最新の機能(&N)")->setVisible(false);

    QMenu* tools = bar->addMenu(QStringLiteral("ツール(&T)"));
    tools->setObjectName("mnTool");
    add(tools, &A::timer, "mmJigen", "時限［タイマー］(&T)");
    add(tools, &A::clockCorrection, "mnJikoku", "内蔵時計修正設定(&J)")->setEnabled(false);
    add(tools, &A::syncNow, "mmDouki", "今すぐ同期(&S)");
    tools->addSeparator();
    add(tools, &A::excel, "mmExcel", "エクセルカレンダ作成＆印刷(&X)");
    add(tools, &A::anniversaries, "mmKinenbi", "記念日等一括編集(&E)");
    add(tools, &A::commemoration, "mmRekkoKinen", "Rekko記念機能(&M)");
    add(tools, &A::commemorationAdmin, "mmKinenKanri", "Rekko記念管理")->setVisible(false);

    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName("mnHelp");
    add(help, &A::help, "mmHelp", "Rekko ヘルプ(&H)");
}

QAction* MainMenu::add(QMenu* menu, QAction* MainMenuActions::*member, const char* name, const char* caption,
                       const QKeySequence& shortcut) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setShortcut(shortcut);
    m_actions.*member = action;
    return action;
}

} // namespace rekko
