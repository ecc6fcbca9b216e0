// SPDX-License-Identifier: GPL-3.0-or-later
// The page Rekko記念 of the maintenance window: the display options of the commemoration panel, the import of sets
// and the deletion by code, with 適用 and 中止.
#pragma once

#include "maintenance/CommemorationCommands.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace rekko {

// The controls, by their product names where they have one.
struct CommemorationControls {
    QLabel* lblSP = nullptr;
    QLineEdit* edtMigishita = nullptr;
    QCheckBox* cbMigishita = nullptr; // 表示する
    QCheckBox* cbHorikomi = nullptr;  // 彫り込み
    QPushButton* btnYomikomiOn = nullptr;
    QCheckBox* cbYYuusen = nullptr; // 前に挿入
    QCheckBox* cbColor = nullptr;   // 規定色
    QLabel* colourLabel = nullptr;  // 読込色
    QLabel* edtSPColor = nullptr;   // the import colour's swatch
    QPushButton* changeColour = nullptr;
    QPushButton* btnYMerge = nullptr; // 予定追加読込
    QPushButton* btnDelOn = nullptr;
    QLabel* codeLabel = nullptr; // 削除コード：
    QLineEdit* edtDel = nullptr;
    QPushButton* btnDel = nullptr; // 削除開始
    QPushButton* apply = nullptr;  // 適用
    QPushButton* cancel = nullptr; // 中止
};

class CommemorationPage : public QWidget {
    Q_OBJECT
public:
    CommemorationPage(MaintenanceShell& shell, CommemorationCommands& commands, QWidget* parent = nullptr);

    const CommemorationControls& controls() const { return m_c; }

    // Shows the settings the main window keeps, with the import and deletion switched off.
    void open();
    // Shows the feature's display name as the page title.
    void setTitle(const QString& name);

signals:
    // A bulk command rewrote files: the window can now only be left with 適用.
    void leaveByApplyOnly();
    // 適用 or 中止, or a bulk command that failed: the window closes.
    void closeRequested();

private:
    void changed();
    void showColour();
    void switchImport();
    void switchDeletion();
    void setImportOn(bool on);
    void setDeletionOn(bool on);
    void afterRun(CommandEnd end);
    void apply();

    MaintenanceShell& m_shell;
    CommemorationCommands& m_commands;
    CommemorationControls m_c;
    Commemoration m_values;
};

} // namespace rekko
