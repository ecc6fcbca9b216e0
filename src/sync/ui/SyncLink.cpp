// SPDX-License-Identifier: GPL-3.0-or-later
// The sync joined to the main window.
#include "SyncLink.h"

#include "platform/ui/QtInterfaceThread.h"

#include <QApplication>

namespace rekko {

namespace {

constexpr int kModalRetryMs = 500;

} // namespace

SyncLink::SyncLink(SyncWindowCalls calls, QAction* syncNow, Dialogs& dialogs, SyncPorts ports, QObject* parent)
    : QObject(parent), m_calls(std::move(calls)), m_dialogs(dialogs), m_settings(MakeSyncTable()),
      m_indicator(new SyncIndicator), m_interval(new QTimer(this)) {
    m_command = std::make_unique<SyncCommand>(static_cast<SyncShell&>(*this), *m_indicator, dialogs,
                                              std::make_shared<QtInterfaceThread>(), std::move(ports), m_settings);
    m_interval->setObjectName("tmDouki");
    connect(syncNow, &QAction::triggered, this, [this] { m_command->start(); });
    connect(m_indicator, &QToolButton::clicked, this, [this] { m_command->start(); });
    connect(m_interval, &QTimer::timeout, this, [this] {
        // A dialog open over the window is editing: the background sync waits for the next turn.
        if (!QApplication::activeModalWidget())
            m_command->start();
    });
    for (const auto key :
         {&SyncSettings::Server, &SyncSettings::User, &SyncSettings::Calendar, &SyncSettings::TrustedKeys})
        m_settings.watch(key, [this] { writeSettings(); });
    m_settings.watch(&SyncSettings::Interval, [this] {
        writeSettings();
        followInterval();
    });
}

void SyncLink::readSettings() {
    // A settings file that cannot be read has been reported by the start; it is never written over from here.
    m_settingsRead = ReadSettingsFile(m_settings, m_calls.files().settings).ok();
    followInterval();
}

SyncSettingsPage* SyncLink::makePage(QWidget* parent) {
    return new SyncSettingsPage(m_settings, *m_command, parent);
}

void SyncLink::writeSettings() {
    if (!m_settingsRead)
        return;
    if (const Status written = WriteSettingsFile(m_settings, m_calls.files().settings, TheirChanges::Kept); !written)
        m_dialogs.inform(written.error().path + "\r\n" + written.error().cause);
}

void SyncLink::followInterval() {
    const int minutes = m_settings.values().Interval;
    if (minutes <= 0) {
        m_interval->stop();
        return;
    }
    m_interval->start(minutes * 60 * 1000);
}

std::filesystem::path SyncLink::specialDays() const {
    std::error_code error;
    return std::filesystem::current_path(error) / kSpecialDayFileName;
}

void SyncLink::takeSyncedFiles() {
    // A dialog open over the window may hold indexes into the lists: the files are taken once it has closed.
    if (QApplication::activeModalWidget()) {
        if (!m_takingFiles)
            QTimer::singleShot(kModalRetryMs, this, [this] {
                m_takingFiles = false;
                takeSyncedFiles();
            });
        m_takingFiles = true;
        return;
    }
    // Edits made while the sync ran are merged with its files as they are written; once all is written, what the
    // sync wrote to files not edited here is loaded.
    if (m_calls.saveAll())
        m_calls.reloadSchedules();
}

} // namespace rekko
