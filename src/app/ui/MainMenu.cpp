// The menus of the main window.
#include "MainMenu.h"

#include <QMenu>

namespace rekko {

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName("mnFile");
    add(file, "mmBackup", "バックアップ(&B)");
    add(file, "mmTextKakidashi", "テキスト書出(&W)");
    file->addSeparator();
    add(file, "mmShuuryou", "終了(&X)");

    QMenu* move = bar->addMenu(QStringLiteral("移動(&G)"));
    move->setObjectName("mnIdou");
    add(move, "mmZengetu", "前月(&J)", Qt::CTRL | Qt::Key_J);
    add(move, "mmYokugetu", "翌月(&K)", Qt::CTRL | Qt::Key_K);
    add(move, "mmZennen", "前年(&I)", Qt::CTRL | Qt::Key_I);
    add(move, "mmYokunen", "翌年(&M)", Qt::CTRL | Qt::Key_M);

    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName("mnHyouji");
    add(view, "mmNissuu", "日数計算(&N)");
    add(view, "mmKidouJikoku", "起動時刻(&J)")->setEnabled(false);

    QMenu* memo = bar->addMenu(QStringLiteral("メモ欄(&M)"));
    memo->setObjectName("mnMemo");
    QAction* memoItem = add(memo, "mmMemo", "メモ(&M)");
    memoItem->setCheckable(true);
    memoItem->setChecked(true);
    add(memo, "mmReadMe", "ReadMe(&R)");
    add(memo, "mmShiyouhou", "使用法(&U)");
    add(memo, "mmSaishin", "最新の機能(&N)")->setVisible(false);

    QMenu* tools = bar->addMenu(QStringLiteral("ツール(&T)"));
    tools->setObjectName("mnTool");
    add(tools, "mmJigen", "時限［タイマー］(&T)");
    add(tools, "mnJikoku", "内蔵時計修正設定(&J)")->setEnabled(false);
    tools->addSeparator();
    add(tools, "mmExcel", "エクセルカレンダ作成＆印刷(&X)");
    add(tools, "mmKinenbi", "記念日等一括編集(&E)");
    add(tools, "mmRekkoKinen", "Rekko記念機能(&M)");
    add(tools, "mmKinenKanri", "Rekko記念管理")->setVisible(false);
}

QAction* MainMenu::add(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setShortcut(shortcut);
    m_actions.insert(name, action);
    return action;
}

} // namespace rekko
