// SPDX-License-Identifier: GPL-3.0-or-later
// The command "今すぐ同期" and the background syncs: save all, the sync on the single worker, the question before a
// mass deletion, the result for the indicator, and the synced files taken into the book.
#pragma once

#include "SyncPorts.h"
#include "SyncSettings.h"

#include "files/UserFiles.h"
#include "platform/Dialogs.h"
#include "platform/SingleWorker.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

inline constexpr const char* kMassDeletionQuestion =
    "同期すると、サーバーかこのパソコンの予定の半分以上が削除されます。\r\n同期を続けますか？";

// What the sync asks of the shell.
class SyncShell {
public:
    virtual ~SyncShell() = default;
    // Answers whether another program holds the data folder, so nothing of it may be written.
    virtual bool writesHeld() const = 0;
    // Saves all as the program does, telling the user what failed; answers whether everything was written.
    virtual bool saveAll() = 0;
    // The user's files as they stand: the data folder's files, and the anniversaries of the working folder.
    virtual FileSet files() const = 0;
    virtual std::filesystem::path specialDays() const = 0;
    // The time now in UTC, that the events sent are stamped with.
    virtual LocalDateTime utcNow() const = 0;
    // The sync changed files of the data folder: the book takes them in, as files changed on disk by another
    // program, keeping what was edited here meanwhile.
    virtual void takeSyncedFiles() = 0;
};

enum class SyncState { Idle, Running, Done, Failed };

// Where the password of the settings' server and user is kept.
enum class PasswordPlace {
    None,    // nowhere yet
    Store,   // in the secret store
    ThisRun, // for this run of the program only: no secret store took it
    NoStore, // nowhere, and no secret store answers
};

// The indicator of the sync.
class SyncView {
public:
    virtual ~SyncView() = default;
    virtual void showSync(SyncState state, const std::string& text) = 0;
};

class SyncCommand {
public:
    SyncCommand(SyncShell& shell, SyncView& view, Dialogs& dialogs, std::shared_ptr<InterfaceThread> interfaceThread,
                SyncPorts ports, const SyncTable& settings);
    ~SyncCommand();
    SyncCommand(const SyncCommand&) = delete;
    SyncCommand& operator=(const SyncCommand&) = delete;

    // Saves all and starts a sync on the worker, unless one runs, the settings name no server and calendar, another
    // program holds the data folder, or the save failed (the indicator then says why). Answers whether it started.
    bool start();
    // Answers whether a sync or a request to the server runs.
    bool running() const { return m_worker.busy(); }

    // Keeps the password in the secret store; where there is none, for this run of the program only. Answers the
    // secret store's failure.
    Status setPassword(const std::string& password);
    // Takes the password being typed for the syncs of this run, before it is set: a sync started before the field is
    // left uses it.
    void usePassword(const std::string& password) { m_sessionPassword = password; }
    // Answers where the password of the settings' server and user is kept.
    PasswordPlace passwordPlace();

    // Asks the server of the settings for its calendars, or for the pin of its key, on the worker; done runs on the
    // interface thread. Answers false when the worker is busy.
    bool listCalendars(std::function<void(const ServerReply<std::vector<ServerCalendar>>&)> done);
    bool fetchKeyPin(std::function<void(const ServerReply<std::string>&)> done);

private:
    bool run(bool allowMassDeletion);
    void finish(const SyncRequest& request, const SyncReport& report);
    // Starts a job with the account of the settings and its password; the result goes to done on the interface
    // thread while this object lives.
    template <class Reply>
    bool ask(std::function<Reply(const ServerAccount&)> job, std::function<void(const Reply&)> done);

    SyncShell& m_shell;
    SyncView& m_view;
    Dialogs& m_dialogs;
    SingleWorker m_worker;
    SyncPorts m_ports;
    const SyncTable& m_settings;
    std::optional<std::string> m_sessionPassword;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace rekko
