// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sub-page "同期": the server, user name and password, the calendar chosen from the server's list, the
// interval, and the trust in a self-signed server's key.
#pragma once

#include "sync/SyncCommand.h"
#include "sync/SyncSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

namespace rekko {

inline constexpr const char* kPasswordNotStoredNote =
    "パスワードを保存できません（パスワードを保管するサービスがありません）。入力したパスワードは Rekko "
    "を終了するまで使い、設定ファイルには書きません。";

// The page's controls, for the window and for tests.
struct SyncPageControls {
    QLineEdit* edtServer = nullptr;
    QLineEdit* edtUser = nullptr;
    QLineEdit* edtPassword = nullptr;
    QLabel* lblPassword = nullptr; // what became of the password
    QComboBox* cbCalendar = nullptr;
    QPushButton* btnCalendars = nullptr; // fills cbCalendar from the server
    QSpinBox* udInterval = nullptr;
    QCheckBox* cbTrust = nullptr; // trust the key of a self-signed server
    QLabel* lblKey = nullptr;     // the trusted key, or what the server answered
};

class SyncSettingsPage : public QWidget {
    Q_OBJECT
public:
    // Each change of a control is set as its key's value; the password goes to the command.
    SyncSettingsPage(SyncTable& settings, SyncCommand& command, QWidget* parent = nullptr);

    const SyncPageControls& controls() const { return m_c; }
    // Shows the values of the settings and whether a password is kept.
    void showValues();

private:
    void takeServer();
    void takePassword();
    void listCalendars();
    void trustToggled(bool on);
    void showTrust();
    void showPasswordKept();
    // Says why the server was not asked: a sync runs, or there is no sync.
    void showNotAsked();

    SyncTable& m_settings;
    SyncCommand& m_command;
    SyncPageControls m_c;
};

} // namespace rekko
