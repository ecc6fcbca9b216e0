// SPDX-License-Identifier: GPL-3.0-or-later
// One sync carried out: the server's writes (a 412 settled once), then the local files, then the state last.
#include "SyncJob.h"

#include "IcsWriter.h"

namespace rekko {

namespace {

// The state is written after this many of the server's writes, and when they end: a sync stopped in between finds
// the rest again as events equal to local lines and adopts them.
constexpr int kWritesPerStateWrite = 256;

} // namespace

// Ends the sync at a server's fault: the state keeps the writes done, the local files stay as they were.
bool SyncJob::fault(ServerFault fault, const std::string& message) {
    writeState(m_old.token, false);
    m_report.failed = true;
    m_report.fault = fault;
    m_report.message = message;
    m_report.received = m_report.conflicts = m_report.unmappable = m_report.deletedHere = 0;
    return false;
}

bool SyncJob::progressed() {
    return ++m_writes % kWritesPerStateWrite != 0 || writeState(m_old.token, false);
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
    return progressed();
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
        return progressed();
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
            return progressed();
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
    if (!m_ops.empty() && !writeState(m_old.token, false))
        return m_report;
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
