// SPDX-License-Identifier: GPL-3.0-or-later
// One sync: match the local lines with the known events, decide each change, send, then write the local files and
// the state last.
#include "SyncRun.h"

#include "IcsWriter.h"
#include "SyncLocal.h"
#include "SyncState.h"

#include <map>
#include <set>

namespace rekko {

namespace {

constexpr const char* kCalendarName = "Rekko";
// The hash of a state entry whose local line is to be sent again: it matches no line.
constexpr const char* kUnmatchedHash = "-";

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

Incoming Read(const ServerEvent* event) {
    Incoming incoming{event};
    incoming.parsed = ParseIcsEvent(event->ics);
    if (incoming.parsed)
        incoming.down = LineOfEvent(*incoming.parsed);
    return incoming;
}

std::string DateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", static_cast<int>(date.year), date.month, date.day);
    return text;
}

SyncEntry EntryOf(const DownLine& down, std::string uid, std::string href, std::string etag) {
    return {down.kind == SyncKind::Period ? kPeriodPlace : DayPlace(down.date), TextDigest(down.key), std::move(uid),
            std::move(href), std::move(etag)};
}

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
};

std::optional<size_t> SyncJob::claim(const std::string& key) {
    auto found = m_unclaimed.find(key);
    while (found != m_unclaimed.end() && !found->second.empty()) {
        const size_t item = found->second.front();
        found->second.erase(found->second.begin());
        if (!m_local.items()[item].claimed) {
            m_local.items()[item].claimed = true;
            return item;
        }
    }
    return std::nullopt;
}

// A server's line: taken as the local line equal to it where there is one, else added; its entry is final then.
void SyncJob::bringDown(const DownLine& down, std::optional<size_t> slot, SyncEntry entry) {
    if (!slot) {
        m_current.emplace_back();
        slot = m_current.size() - 1;
    }
    if (claim(down.key)) {
        m_current[*slot] = std::move(entry);
        return;
    }
    m_local.add(down);
    plan("< 追加 " + down.line(1));
    ++m_report.received;
    m_report.unmappable += down.unmappable;
    m_final.emplace_back(*slot, std::move(entry));
}

// The server's version of a line changed on both sides becomes a new line marked as a conflict, held back from
// sending; the entry takes the server's version, so the local line is sent next time.
void SyncJob::keepConflict(const ParsedEvent& event, size_t slot, SyncEntry entry) {
    const auto down = LineOfEvent(event, kConflictMark);
    if (!down)
        return;
    const SyncEntry held{down->kind == SyncKind::Period ? kPeriodPlace : DayPlace(down->date), TextDigest(down->key)};
    m_final.emplace_back(slot, std::move(entry));
    m_current.emplace_back();
    m_final.emplace_back(m_current.size() - 1, held);
    ++m_report.conflicts;
    if (claim(down->key))
        return;
    m_local.add(*down);
    plan("< 競合 " + down->line(1));
    m_report.unmappable += down->unmappable;
}

void SyncJob::send(size_t slot, size_t item, std::string etag, std::string baseHash) {
    const LocalItem& local = m_local.items()[item];
    ServerOp op{.slot = slot, .etag = std::move(etag), .event = local.event, .item = item};
    op.baseHash = std::move(baseHash);
    if (m_current[slot]) {
        op.href = m_current[slot]->href;
        op.event.uid = m_current[slot]->uid;
    } else {
        std::string uid = local.event.uid;
        for (int n = 2; m_uids.count(uid); ++n)
            uid = local.event.uid + "-" + std::to_string(n);
        m_uids.insert(uid);
        op.event.uid = uid;
        op.href = m_request.calendar + uid + ".ics";
    }
    plan("> " + std::string(op.etag.empty() ? "追加 " : "変更 ") + DateText(op.event.start.date) + " " +
         op.event.summary);
    m_ops.push_back(std::move(op));
}

void SyncJob::sendRemoval(size_t slot, std::string etag) {
    plan("> 削除 " + m_current[slot]->href);
    ++m_plannedThere;
    m_ops.push_back({.remove = true, .slot = slot, .href = m_current[slot]->href, .etag = std::move(etag)});
}

void SyncJob::decide(const ServerChanges& changes) {
    std::vector<LocalItem>& items = m_local.items();
    std::map<std::string, std::vector<size_t>> byHash; // place and hash
    for (size_t item = 0; item < items.size(); ++item) {
        byHash[items[item].place + "\t" + items[item].hash].push_back(item);
        m_unclaimed[items[item].key].push_back(item);
    }
    // The entries whose local line is unchanged, the conflict lines held back among them.
    std::vector<std::optional<size_t>> same(m_old.entries.size());
    for (size_t slot = 0; slot < m_old.entries.size(); ++slot) {
        const SyncEntry& entry = m_old.entries[slot];
        m_current.push_back(entry);
        m_uids.insert(entry.uid);
        auto& candidates = byHash[entry.place + "\t" + entry.hash];
        if (!candidates.empty()) {
            same[slot] = candidates.front();
            items[candidates.front()].claimed = true;
            candidates.erase(candidates.begin());
        } else if (entry.href.empty()) {
            m_current[slot] = std::nullopt; // a held conflict line edited or deleted
        }
    }
    std::map<std::string, const ServerEvent*> changed;
    for (const ServerEvent& event : changes.changed)
        changed.emplace(event.href, &event);
    const std::set<std::string> removed(changes.removed.begin(), changes.removed.end());
    std::set<std::string> known;
    std::vector<ServerSide> sides(m_old.entries.size(), ServerSide::Same);
    std::vector<Incoming> incoming(m_old.entries.size());
    for (size_t slot = 0; slot < m_old.entries.size(); ++slot) {
        const SyncEntry& entry = m_old.entries[slot];
        if (entry.href.empty())
            continue;
        known.insert(entry.href);
        const auto found = changed.find(entry.href);
        if (found != changed.end() && found->second->etag != entry.etag) {
            sides[slot] = ServerSide::Changed;
            incoming[slot] = Read(found->second);
        } else if (found == changed.end() && (removed.count(entry.href) || changes.complete)) {
            sides[slot] = ServerSide::Deleted;
        }
    }
    // A server version that a local line already equals (written by a sync that stopped before its state) is adopted.
    for (size_t slot = 0; slot < m_old.entries.size(); ++slot) {
        if (same[slot] || sides[slot] != ServerSide::Changed || !incoming[slot].down)
            continue;
        if (const auto item = claim(incoming[slot].down->key)) {
            same[slot] = item;
            sides[slot] = ServerSide::Same;
            m_current[slot]->hash = items[*item].hash;
            m_current[slot]->etag = incoming[slot].event->etag;
        }
    }
    // Events new on the server: adopted when equal to a local line, else brought down; recurring ones only named.
    for (const auto& [href, event] : changed) {
        if (known.count(href))
            continue;
        const Incoming fresh = Read(event);
        if (!fresh.parsed)
            continue;
        m_uids.insert(fresh.parsed->uid);
        if (fresh.parsed->recurring) {
            m_report.recurringSkipped.push_back(fresh.parsed->summary);
            continue;
        }
        bringDown(*fresh.down, std::nullopt, EntryOf(*fresh.down, fresh.parsed->uid, href, event->etag));
    }
    // A known line no longer here is taken as edited into a new line of its place, in order; else as deleted.
    for (size_t slot = 0; slot < m_old.entries.size(); ++slot) {
        if (m_old.entries[slot].href.empty())
            continue;
        if (same[slot]) {
            decideKnown(slot, same[slot], true, sides[slot], incoming[slot]);
            continue;
        }
        std::optional<size_t> edited;
        for (size_t item = 0; item < items.size() && !edited; ++item) {
            if (!items[item].claimed && items[item].place == m_old.entries[slot].place) {
                items[item].claimed = true;
                edited = item;
            }
        }
        decideKnown(slot, edited, false, sides[slot], incoming[slot]);
    }
    // Lines new here.
    for (size_t item = 0; item < items.size(); ++item) {
        if (items[item].claimed)
            continue;
        items[item].claimed = true;
        m_current.emplace_back();
        send(m_current.size() - 1, item, "", kUnmatchedHash);
    }
}

void SyncJob::decideKnown(size_t slot, std::optional<size_t> item, bool localSame, ServerSide server,
                          const Incoming& incoming) {
    const SyncEntry entry = *m_current[slot];
    const bool anniversary = entry.place == kAnniversaryPlace;
    if (server == ServerSide::Changed && (anniversary || !incoming.down)) {
        // A version that does not come down (an anniversary's, a recurring or unreadable one): the local line wins.
        const std::string& etag = incoming.event->etag;
        if (incoming.parsed && incoming.parsed->recurring && !anniversary)
            m_report.recurringSkipped.push_back(incoming.parsed->summary);
        if (!item)
            sendRemoval(slot, etag);
        else if (localSame && !anniversary)
            m_current[slot]->etag = etag;
        else
            send(slot, *item, etag, entry.hash);
        return;
    }
    if (server == ServerSide::Deleted) {
        if (item && (anniversary || !localSame)) {
            send(slot, *item, "", entry.hash);
        } else if (item) {
            plan("< 削除 " + m_local.lineOf(m_local.items()[*item]));
            m_local.remove(m_local.items()[*item]);
            ++m_plannedHere;
            m_final.emplace_back(slot, std::nullopt);
        } else {
            m_current[slot] = std::nullopt;
        }
        return;
    }
    if (server == ServerSide::Same) {
        if (!item)
            sendRemoval(slot, entry.etag);
        else if (!localSame)
            send(slot, *item, entry.etag, entry.hash);
        return;
    }
    const DownLine& down = *incoming.down;
    SyncEntry changed = EntryOf(down, entry.uid, entry.href, incoming.event->etag);
    if (!item) {
        bringDown(down, slot, std::move(changed)); // deleted here, changed there: the changed one stays
    } else if (localSame && SameSummaryAndDates(m_local.items()[*item].event, *incoming.parsed)) {
        m_current[slot]->etag = incoming.event->etag; // saved again elsewhere, its X-REKKO-RECORD perhaps dropped
    } else if (localSame) {
        m_local.replace(m_local.items()[*item], down);
        plan("< 変更 " + down.line(1));
        ++m_report.received;
        m_report.unmappable += down.unmappable;
        m_final.emplace_back(slot, std::move(changed));
    } else {
        SyncEntry conflicted = entry;
        conflicted.etag = incoming.event->etag;
        keepConflict(*incoming.parsed, slot, std::move(conflicted));
    }
}

bool SyncJob::fault(ServerFault fault, const std::string& message) {
    m_report.failed = true;
    m_report.fault = fault;
    m_report.message = message;
    m_report.received = m_report.conflicts = m_report.unmappable = m_report.deletedHere = 0;
    return false;
}

bool SyncJob::writeState(const std::string& token, bool final) {
    SyncState state{.token = token};
    for (const auto& entry : m_current) {
        if (entry)
            state.entries.push_back(*entry);
    }
    const Status written = WriteSyncState(m_statePath, state);
    if (!written) {
        m_report.failed = true;
        m_report.message = m_statePath.string() + "\r\n" + written.error().cause;
        if (!final)
            m_report.received = m_report.conflicts = m_report.unmappable = m_report.deletedHere = 0;
    }
    return written.ok();
}

// Records an event the server holds as the local line sent; written tells a PUT from a version adopted as equal.
bool SyncJob::sent(const ServerOp& op, const std::string& etag, bool written) {
    const LocalItem& item = m_local.items()[*op.item];
    m_current[op.slot] = SyncEntry{item.place, item.hash, op.event.uid, op.href, etag};
    m_report.sent += written ? 1 : 0;
    return writeState(m_old.token, false);
}

bool SyncJob::execute(ServerOp& op) {
    if (op.remove) {
        const auto reply = m_server.remove(op.href, op.etag);
        if (reply.fault == ServerFault::PreconditionFailed)
            return resolve(op);
        if (!reply.ok() && reply.fault != ServerFault::NotFound)
            return fault(reply.fault, reply.message);
        m_current[op.slot] = std::nullopt;
        ++m_report.deletedThere;
        return writeState(m_old.token, false);
    }
    const auto reply = m_server.put(op.href, WriteIcsCalendar({op.event}, kCalendarName, m_request.utcNow), op.etag);
    if (reply.fault == ServerFault::PreconditionFailed || (reply.fault == ServerFault::NotFound && !op.etag.empty()))
        return resolve(op);
    if (!reply.ok())
        return fault(reply.fault, reply.message);
    std::string etag = reply.value;
    if (etag.empty()) {
        const auto fetched = m_server.fetch(m_request.calendar, {op.href});
        if (!fetched.ok())
            return fault(fetched.fault, fetched.message);
        for (const ServerEvent& event : fetched.value)
            etag = event.href == op.href ? event.etag : etag;
    }
    return sent(op, etag);
}

// A write answered 412 (or an update of an event gone): the server's version now decides, once.
bool SyncJob::resolve(ServerOp& op) {
    if (op.resolved)
        return fault(ServerFault::PreconditionFailed, op.href);
    op.resolved = true;
    const auto fetched = m_server.fetch(m_request.calendar, {op.href});
    if (!fetched.ok())
        return fault(fetched.fault, fetched.message);
    const ServerEvent* found = nullptr;
    for (const ServerEvent& event : fetched.value)
        found = event.href == op.href ? &event : found;
    if (!found) {
        if (op.remove) {
            m_current[op.slot] = std::nullopt;
            return writeState(m_old.token, false);
        }
        op.etag.clear();
        return execute(op);
    }
    const Incoming incoming = Read(found);
    const bool anniversary = op.remove ? m_current[op.slot]->place == kAnniversaryPlace
                                       : m_local.items()[*op.item].kind == SyncKind::Anniversary;
    if (incoming.parsed)
        op.event.uid = incoming.parsed->uid;
    if (anniversary || !incoming.down) {
        op.etag = found->etag;
        return execute(op);
    }
    const DownLine& down = *incoming.down;
    if (op.remove) { // deleted here, changed there: the changed one stays
        bringDown(down, op.slot, EntryOf(down, incoming.parsed->uid, op.href, found->etag));
        return true;
    }
    if (down.key == m_local.items()[*op.item].key)
        return sent(op, found->etag, false);
    const LocalItem& item = m_local.items()[*op.item];
    keepConflict(*incoming.parsed, op.slot,
                 SyncEntry{item.place, op.baseHash, incoming.parsed->uid, op.href, found->etag});
    return true;
}

SyncReport SyncJob::run() {
    const auto changes = m_server.changes(m_request.calendar, m_old.token);
    if (!changes.ok()) {
        fault(changes.fault, changes.message);
        return m_report;
    }
    decide(changes.value);
    size_t known = 0;
    for (const SyncEntry& entry : m_old.entries)
        known += entry.href.empty() ? 0 : 1;
    const bool tooMany = known > 0 && (2u * static_cast<size_t>(m_plannedHere) > known ||
                                       2u * static_cast<size_t>(m_plannedThere) > known);
    m_report.massDeletion = tooMany && !m_request.allowMassDeletion;
    if (m_request.dryRun || m_report.massDeletion) {
        m_report.deletedHere = m_plannedHere;
        m_report.deletedThere = m_plannedThere;
        for (const ServerOp& op : m_ops)
            m_report.sent += op.remove ? 0 : 1;
        return m_report;
    }
    m_report.deletedHere = m_plannedHere;
    for (ServerOp& op : m_ops) {
        if (!execute(op))
            return m_report;
    }
    if (m_local.changed()) {
        const Status written = m_local.write();
        if (!written) {
            m_report.failed = true;
            m_report.message = written.error().path + "\r\n" + written.error().cause;
            m_report.received = m_report.conflicts = m_report.unmappable = m_report.deletedHere = 0;
            return m_report;
        }
    }
    for (auto& [slot, entry] : m_final)
        m_current[slot] = std::move(entry);
    writeState(tokenPast(changes.value.syncToken), true);
    return m_report;
}

// The token past the sync's own writes, so that the next sync does not list them again: asked for once they are
// done, and taken only when everything listed since the token given is one of them.
std::string SyncJob::tokenPast(const std::string& token) {
    if (token.empty() || m_report.sent + m_report.deletedThere == 0)
        return token;
    const auto again = m_server.changes(m_request.calendar, token);
    if (!again.ok() || again.value.complete)
        return token;
    std::map<std::string, std::string> etags;
    for (const auto& entry : m_current) {
        if (entry)
            etags[entry->href] = entry->etag;
    }
    for (const ServerEvent& event : again.value.changed) {
        const auto found = etags.find(event.href);
        if (found == etags.end() || found->second != event.etag)
            return token;
    }
    for (const std::string& href : again.value.removed) {
        if (etags.count(href))
            return token;
    }
    return again.value.syncToken;
}

} // namespace

SyncReport RunSync(const SyncRequest& request, CalendarServer& server) {
    Result<LocalSide> local = LocalSide::read(request);
    if (!local) {
        SyncReport report;
        report.failed = true;
        report.message = local.error().path + "\r\n" + local.error().cause;
        return report;
    }
    const SyncState state = ReadSyncState(DataFolderPath(request.files.dataFolder) / kSyncStateFileName);
    return SyncJob(request, server, std::move(local.value()), state).run();
}

} // namespace rekko
