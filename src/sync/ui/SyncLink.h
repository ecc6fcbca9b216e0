// SPDX-License-Identifier: GPL-3.0-or-later
// The sync joined to the main window: section Sync of the settings file, the command "今すぐ同期" from the menu and
// the indicator, the interval timer, and the settings page.
#pragma once

#include "SyncIndicator.h"
#include "SyncSettingsPage.h"

#include "sync/SyncCommand.h"

#include <QAction>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace rekko {

// What the link asks of the main window.
struct SyncWindowCalls {
    std::function<bool()> writesHeld;
    std::function<bool()> saveAll; // tells the user what failed
    std::function<FileSet()> files;
    std::function<void()> reloadSchedules; // loads the months and periods again from their files, without saving
    std::function<LocalDateTime()> utcNow;
};

class SyncLink : public QObject, private SyncShell {
    Q_OBJECT
public:
    SyncLink(SyncWindowCalls calls, QAction* syncNow, Dialogs& dialogs, SyncPorts ports, QObject* parent);

    // Reads section Sync of the settings file (at start); from then on each change is written there, unless the file
    // could not be read.
    void readSettings();
    SyncIndicator* indicator() const { return m_indicator; }
    // Makes the settings page "同期".
    SyncSettingsPage* makePage(QWidget* parent);
    SyncCommand& command() { return *m_command; }
    // Answers whether a sync or a request to the server runs.
    bool running() const { return m_command->running(); }

private:
    bool writesHeld() const override { return m_calls.writesHeld(); }
    bool saveAll() override { return m_calls.saveAll(); }
    FileSet files() const override { return m_calls.files(); }
    std::filesystem::path specialDays() const override;
    LocalDateTime utcNow() const override { return m_calls.utcNow(); }
    void takeSyncedFiles() override;
    void writeSettings();
    void followInterval();

    SyncWindowCalls m_calls;
    Dialogs& m_dialogs;
    SyncTable m_settings;
    SyncIndicator* m_indicator;
    std::unique_ptr<SyncCommand> m_command;
    QTimer* m_interval;
    bool m_settingsRead = false;
    bool m_takingFiles = false;
};

} // namespace rekko
