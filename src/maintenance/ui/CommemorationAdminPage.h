// SPDX-License-Identifier: GPL-3.0-or-later
// The page 記念管理 of the maintenance window: stamping a delete code on a set, and the feature's display name.
#pragma once

#include "maintenance/CommemorationCommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace rekko {

struct CommemorationAdminControls {
    QLineEdit* edtCD = nullptr;   // 記入する削除コード
    QComboBox* cbCD = nullptr;    // "cmr", "myc"
    QPushButton* btnCD = nullptr; // 削除コード記入
    QLineEdit* edtSP = nullptr;   // the display name
    QPushButton* btnSP = nullptr; // ＯＫ
};

class CommemorationAdminPage : public QWidget {
    Q_OBJECT
public:
    CommemorationAdminPage(MaintenanceShell& shell, CommemorationCommands& commands, QWidget* parent = nullptr);

    const CommemorationAdminControls& controls() const { return m_c; }

    // Shows the display name the main window keeps.
    void open();

signals:
    // ＯＫ gave the feature a new display name.
    void nameChanged(const QString& name);
    // A stamping failed: the window closes.
    void closeRequested();

private:
    MaintenanceShell& m_shell;
    CommemorationCommands& m_commands;
    CommemorationAdminControls m_c;
};

} // namespace rekko
