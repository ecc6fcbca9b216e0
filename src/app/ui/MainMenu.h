// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar, grouped as a Japanese user expects, with every command as a typed member.
#pragma once

#include <QAction>
#include <QMenuBar>

namespace rekko {

// The commands; each carries its name as objectName.
struct MainMenuActions {
    QAction* backup = nullptr;             // mmBackup "バックアップ(&B)"
    QAction* textExport = nullptr;         // mmTextKakidashi "テキスト書出(&W)"
    QAction* icsExport = nullptr;          // mmIcsKakidashi "iCalendar 書出(&I)..."
    QAction* exit = nullptr;               // mmShuuryou "終了(&X)"
    QAction* moveMenu = nullptr;           // the menu mnIdou "移動(&G)" as it stands in the menu bar
    QAction* previousMonth = nullptr;      // mmZengetu "前月(&J)", Ctrl+J
    QAction* nextMonth = nullptr;          // mmYokugetu "翌月(&K)", Ctrl+K
    QAction* previousYear = nullptr;       // mmZennen "前年(&I)", Ctrl+I
    QAction* nextYear = nullptr;           // mmYokunen "翌年(&M)", Ctrl+M
    QAction* dayCount = nullptr;           // mmNissuu "日数計算(&N)"
    QAction* startRecord = nullptr;        // mmKidouJikoku "起動時刻(&J)", enabled with cbKidouKiroku
    QAction* memo = nullptr;               // mmMemo "メモ(&M)", checkable
    QAction* readMe = nullptr;             // mmReadMe "ReadMe(&R)"
    QAction* usage = nullptr;              // mmShiyouhou "使用法(&U)"
    QAction* latest = nullptr;             // mmSaishin "最新の機能(&N)", hidden
    QAction* timer = nullptr;              // mmJigen "時限［タイマー］(&T)"
    QAction* clockCorrection = nullptr;    // mnJikoku "内蔵時計修正設定(&J)", enabled with cbTShuusei
    QAction* syncNow = nullptr;            // mmDouki "今すぐ同期(&S)"
    QAction* excel = nullptr;              // mmExcel "エクセルカレンダ作成＆印刷(&X)"
    QAction* anniversaries = nullptr;      // mmKinenbi "記念日等一括編集(&E)"
    QAction* commemoration = nullptr;      // mmRekkoKinen "Rekko記念機能(&M)"
    QAction* commemorationAdmin = nullptr; // mmKinenKanri "Rekko記念管理", hidden
    QAction* help = nullptr;               // mmHelp "Rekko ヘルプ(&H)"
};

class MainMenu : public QObject {
    Q_OBJECT
public:
    // Builds the menus into the menu bar.
    explicit MainMenu(QMenuBar* bar);

    const MainMenuActions& actions() const { return m_actions; }

private:
    QAction* add(QMenu* menu, QAction* MainMenuActions::*member, const char* name, const char* caption,
                 const QKeySequence& shortcut = {});

    MainMenuActions m_actions;
};

} // namespace rekko
