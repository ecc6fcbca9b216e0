// SPDX-License-Identifier: GPL-3.0-or-later
// Doubles of the sync's ports: a secret store in memory, and sync services that answer from a script, record what
// they were asked on the worker, and can hold a sync until the test lets it end.
#pragma once

#include "sync/SyncPorts.h"

#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace rekko::test {

class MemorySecrets : public SecretStore {
public:
    Result<std::optional<std::string>> lookup(const std::string& server, const std::string& user) override {
        std::lock_guard lock(m_mutex);
        const auto found = m_kept.find({server, user});
        return found == m_kept.end() ? std::nullopt : std::optional(found->second);
    }
    Status store(const std::string& server, const std::string& user, const std::string& password) override {
        std::lock_guard lock(m_mutex);
        m_kept[{server, user}] = password;
        return Success();
    }
    Status clear(const std::string& server, const std::string& user) override {
        std::lock_guard lock(m_mutex);
        m_kept.erase({server, user});
        return Success();
    }

private:
    std::mutex m_mutex;
    std::map<std::pair<std::string, std::string>, std::string> m_kept;
};

// A server that lists the calendars given and answers every other request as a server error.
class ListedCalendars : public CalendarServer {
public:
    explicit ListedCalendars(std::vector<ServerCalendar> calendars) : m_calendars(std::move(calendars)) {}
    ServerReply<std::vector<ServerCalendar>> calendars() override { return {.value = m_calendars}; }
    ServerReply<ServerChanges> changes(const std::string&, const std::string&) override {
        return refused<ServerChanges>();
    }
    ServerReply<std::vector<ServerEvent>> fetch(const std::string&, const std::vector<std::string>&) override {
        return refused<std::vector<ServerEvent>>();
    }
    ServerReply<std::string> put(const std::string&, const std::string&, const std::string&) override {
        return refused<std::string>();
    }
    ServerReply<std::monostate> remove(const std::string&, const std::string&) override {
        return refused<std::monostate>();
    }

private:
    template <class T> static ServerReply<T> refused() { return {ServerFault::ServerError, "refused", {}}; }
    std::vector<ServerCalendar> m_calendars;
};

// Sync services whose sync runs a scripted step and answers the next scripted report; the status text names the
// counts. Everything asked is recorded with the account it came with and the thread it ran on.
class ScriptedSync {
public:
    struct Call {
        SyncRequest request;
        ServerAccount account;
        std::thread::id thread;
    };

    std::vector<ServerCalendar> calendars{{"/dav/hanako/home/", "ホーム"}, {"/dav/hanako/work/", "仕事"}};
    std::string keyPin = "sha256//scriptedKeyPin=";

    // The next sync answers the report after running step (on the worker).
    void expect(SyncReport report, std::function<void(const SyncRequest&)> step = {}) {
        std::lock_guard lock(m_mutex);
        m_script.push_back({std::move(report), std::move(step)});
    }
    std::vector<Call> calls() {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    std::vector<ServerAccount> accounts() {
        std::lock_guard lock(m_mutex);
        return m_accounts;
    }

    SyncServices services() {
        SyncServices services;
        services.connect = [this](const ServerAccount& account) {
            std::lock_guard lock(m_mutex);
            m_accounts.push_back(account);
            return std::make_unique<ListedCalendars>(calendars);
        };
        services.peerKeyPin = [this](const ServerAccount& account) {
            std::lock_guard lock(m_mutex);
            m_accounts.push_back(account);
            return ServerReply<std::string>{.value = keyPin};
        };
        services.run = [this](const SyncRequest& request, CalendarServer&) {
            Scripted next;
            {
                std::lock_guard lock(m_mutex);
                m_calls.push_back({request, m_accounts.back(), std::this_thread::get_id()});
                if (m_script.empty())
                    return SyncReport{.message = "no sync scripted", .failed = true};
                next = std::move(m_script.front());
                m_script.pop_front();
            }
            if (next.step)
                next.step(request);
            return next.report;
        };
        services.statusText = [](const SyncReport& report) {
            if (report.failed)
                return "同期できません：" + report.message;
            return "送信 " + std::to_string(report.sent) + "・受信 " + std::to_string(report.received);
        };
        return services;
    }

private:
    struct Scripted {
        SyncReport report;
        std::function<void(const SyncRequest&)> step;
    };
    std::mutex m_mutex;
    std::deque<Scripted> m_script;
    std::vector<Call> m_calls;
    std::vector<ServerAccount> m_accounts;
};

} // namespace rekko::test
