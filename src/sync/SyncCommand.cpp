// SPDX-License-Identifier: GPL-3.0-or-later
// The sync command: the sync and the requests of the settings page on the worker, their results on the interface
// thread.
#include "SyncCommand.h"

#include <exception>
#include <type_traits>
#include <utility>

namespace rekko {

namespace {

constexpr const char* kRunning = "同期中…";
constexpr const char* kNotSet = "同期の設定がありません";
constexpr const char* kHeld = "データフォルダを他のプログラムが使用中のため同期しません";
constexpr const char* kNotSaved = "保存できないため同期しませんでした";
constexpr const char* kNotAvailable = "同期機能がありません";
constexpr const char* kNoPassword = "パスワードがありません";

// On the worker: the password of the account, the one kept for this run first.
Result<std::string> PasswordOf(SecretStore& secrets, const std::optional<std::string>& session,
                               const std::string& server, const std::string& user) {
    if (session)
        return *session;
    const auto kept = secrets.lookup(server, user);
    if (!kept)
        return Failure{"パスワードを読めません（" + kept.error().cause + "）"};
    if (!kept.value())
        return Failure{kNoPassword};
    return *kept.value();
}

} // namespace

SyncCommand::SyncCommand(SyncShell& shell, SyncView& view, Dialogs& dialogs,
                         std::shared_ptr<InterfaceThread> interfaceThread, SyncPorts ports, const SyncTable& settings)
    : m_shell(shell), m_view(view), m_dialogs(dialogs), m_worker(std::move(interfaceThread)), m_ports(std::move(ports)),
      m_settings(settings) {}

SyncCommand::~SyncCommand() {
    *m_alive = false;
}

bool SyncCommand::start() {
    return run(false);
}

bool SyncCommand::run(bool allowMassDeletion) {
    if (m_worker.busy())
        return false;
    const SyncSettings& s = m_settings.values();
    if (!m_ports.services.available()) {
        m_view.showSync(SyncState::Failed, kNotAvailable);
        return false;
    }
    if (s.Server.empty() || s.Calendar.empty()) {
        m_view.showSync(SyncState::Failed, kNotSet);
        return false;
    }
    if (m_shell.writesHeld()) {
        m_view.showSync(SyncState::Failed, kHeld);
        return false;
    }
    if (!m_shell.saveAll()) {
        m_view.showSync(SyncState::Failed, kNotSaved);
        return false;
    }
    SyncRequest request;
    request.files = m_shell.files();
    request.specialDays = m_shell.specialDays();
    request.calendar = s.Calendar;
    request.utcNow = m_shell.utcNow();
    request.allowMassDeletion = allowMassDeletion;
    const SyncServices services = m_ports.services;
    const auto job = [request, services](const ServerAccount& account) {
        const auto server = services.connect(account);
        return services.run(request, *server);
    };
    const bool started = ask<SyncReport>(job, [this, request](const SyncReport& report) { finish(request, report); });
    if (started)
        m_view.showSync(SyncState::Running, kRunning);
    return started;
}

void SyncCommand::finish(const SyncRequest& request, const SyncReport& report) {
    if (report.massDeletion && !request.allowMassDeletion) {
        const DialogMessage question{kDefaultCaption, kMassDeletionQuestion, DialogIcon::Warning, DialogButtons::YesNo,
                                     DialogAnswer::No};
        if (m_dialogs.show(question) == DialogAnswer::Yes && run(true))
            return;
        m_view.showSync(SyncState::Failed, m_ports.services.statusText(report));
        return;
    }
    m_view.showSync(report.failed ? SyncState::Failed : SyncState::Done, m_ports.services.statusText(report));
    if (!report.failed && !request.dryRun && report.received + report.deletedHere + report.conflicts > 0)
        m_shell.takeSyncedFiles();
}

Status SyncCommand::setPassword(const std::string& password) {
    const SyncSettings& s = m_settings.values();
    const Status kept = m_ports.secrets.store(s.Server, s.User, password);
    if (kept)
        m_sessionPassword.reset();
    else
        m_sessionPassword = password;
    return kept;
}

PasswordPlace SyncCommand::passwordPlace() {
    if (m_sessionPassword)
        return PasswordPlace::ThisRun;
    const SyncSettings& s = m_settings.values();
    const auto kept = m_ports.secrets.lookup(s.Server, s.User);
    if (!kept)
        return PasswordPlace::NoStore;
    return kept.value() ? PasswordPlace::Store : PasswordPlace::None;
}

bool SyncCommand::listCalendars(std::function<void(const ServerReply<std::vector<ServerCalendar>>&)> done) {
    if (!m_ports.services.available())
        return false;
    const SyncServices services = m_ports.services;
    return ask<ServerReply<std::vector<ServerCalendar>>>(
        [services](const ServerAccount& account) { return services.connect(account)->calendars(); }, std::move(done));
}

bool SyncCommand::fetchKeyPin(std::function<void(const ServerReply<std::string>&)> done) {
    if (!m_ports.services.available())
        return false;
    const SyncServices services = m_ports.services;
    return ask<ServerReply<std::string>>(
        [services](const ServerAccount& account) { return services.peerKeyPin(account); }, std::move(done));
}

namespace {

// A reply that failed outside the server's answers: no password, or an error of the job itself.
template <class Reply> Reply FailedReply(ServerFault fault, std::string cause) {
    Reply reply{};
    if constexpr (std::is_same_v<Reply, SyncReport>)
        reply.failed = true;
    reply.fault = fault;
    reply.message = std::move(cause);
    return reply;
}

} // namespace

template <class Reply>
bool SyncCommand::ask(std::function<Reply(const ServerAccount&)> job, std::function<void(const Reply&)> done) {
    const SyncSettings settings = m_settings.values();
    SecretStore& secrets = m_ports.secrets;
    return m_worker.start([job = std::move(job), done = std::move(done), settings, &secrets,
                           session = m_sessionPassword, alive = m_alive]() -> std::function<void()> {
        Reply reply{};
        try {
            const Result<std::string> password = PasswordOf(secrets, session, settings.Server, settings.User);
            reply = password ? job(AccountOf(settings, password.value()))
                             : FailedReply<Reply>(ServerFault::Unauthorized, password.error().cause);
        } catch (const std::exception& error) {
            // The indicator must not stay on "running": the error becomes the result.
            reply = FailedReply<Reply>(ServerFault::ServerError, error.what());
        }
        return [done, reply, alive] {
            if (*alive)
                done(reply);
        };
    });
}

} // namespace rekko
