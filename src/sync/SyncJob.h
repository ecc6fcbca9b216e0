// SPDX-License-Identifier: GPL-3.0-or-later
// The work of one sync: the decisions taken from both sides' changes and their execution, server first, then the
// local files, then the state.
#pragma once

#include "SyncLocal.h"
#include "SyncRun.h"
#include "SyncState.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace rekko {

inline constexpr const char* kCalendarName = "Rekko";
// The hash of a state entry whose local line is to be sent again: it matches no line.
inline constexpr const char* kUnmatchedHash = "-";

enum class ServerSide { Same, Changed, Deleted };

// A write to the server and the state entry (slot) it updates.
struct ServerOp {
    bool remove = false;
    size_t slot = 0;
    std::string href{};
    std::string etag{};           // the version written over or deleted; empty for a new event
    IcsEvent event{};             // what a PUT sends
    std::optional<size_t> item{}; // the local item sent
    std::string baseHash{};       // the entry's hash before: kept when the server's version wins
    bool resolved = false;        // a 412 was answered once already
};

// An event parsed and the line it comes down as, when it can.
struct Incoming {
    const ServerEvent* event = nullptr;
    std::optional<ParsedEvent> parsed{};
    std::optional<DownLine> down{};
};

// Parses a server's event and maps it to its line.
Incoming Read(const ServerEvent* event);

// Returns the state entry of a line brought down from the event at href.
SyncEntry EntryOf(const DownLine& down, std::string uid, std::string href, std::string etag);

// One sync under way: what was read on both sides, the decisions, and the state as the server's writes leave it.
class SyncJob {
public:
    SyncJob(const SyncRequest& request, CalendarServer& server, LocalSide local, SyncState state)
        : m_request(request), m_server(server), m_local(std::move(local)), m_old(std::move(state)) {
        m_statePath = DataFolderPath(request.files.dataFolder) / kSyncStateFileName;
    }

    SyncReport run();

private:
    void decide(const ServerChanges& changes);
    void decideKnown(size_t slot, std::optional<size_t> item, bool localSame, ServerSide server,
                     const Incoming& incoming);
    std::optional<size_t> claim(const std::string& key);
    void bringDown(const DownLine& down, std::optional<size_t> slot, SyncEntry entry);
    void keepConflict(const ParsedEvent& event, size_t slot, SyncEntry entry);
    void send(size_t slot, size_t item, std::string etag, std::string baseHash);
    void sendRemoval(size_t slot, std::string etag);
    bool execute(ServerOp& op);
    bool sent(const ServerOp& op, const std::string& etag, bool written = true);
    bool resolve(ServerOp& op);
    bool fault(ServerFault fault, const std::string& message);
    bool progressed(); // counts a server write, and writes the state now and then
    bool writeState(const std::string& token, bool final);
    std::string tokenPast(const std::string& token);
    void plan(std::string line) { m_report.plan.push_back(std::move(line)); }

    const SyncRequest& m_request;
    CalendarServer& m_server;
    LocalSide m_local;
    SyncState m_old;
    std::filesystem::path m_statePath;
    SyncReport m_report;
    std::vector<std::optional<SyncEntry>> m_current;                  // the state as the server now stands
    std::vector<std::pair<size_t, std::optional<SyncEntry>>> m_final; // once the local files are written
    std::vector<ServerOp> m_ops;
    std::map<std::string, std::vector<size_t>> m_unclaimed; // local items by key, in order
    std::set<std::string> m_uids;
    int m_plannedHere = 0, m_plannedThere = 0;
    int m_writes = 0;
};

} // namespace rekko
