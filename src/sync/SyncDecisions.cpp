// SPDX-License-Identifier: GPL-3.0-or-later
// The decisions of a sync: local lines matched with the known events, each side's change taken, conflicts kept.
#include "SyncJob.h"

#include <cstdio>

namespace rekko {

namespace {

std::string DateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", static_cast<int>(date.year), date.month, date.day);
    return text;
}

} // namespace

Incoming Read(const ServerEvent* event) {
    Incoming incoming{event};
    incoming.parsed = ParseIcsEvent(event->ics);
    if (incoming.parsed)
        incoming.down = LineOfEvent(*incoming.parsed);
    return incoming;
}

SyncEntry EntryOf(const DownLine& down, std::string uid, std::string href, std::string etag) {
    return {down.kind == SyncKind::Period ? kPeriodPlace : DayPlace(down.date), TextDigest(down.key), std::move(uid),
            std::move(href), std::move(etag)};
}

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
            m_current[slot]->place = items[*item].place;
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
            // An anniversary this folder holds too, sent by another computer: taken as sent from here.
            if (const auto item = claim(fresh.parsed->uid)) {
                m_current.push_back(
                    SyncEntry{items[*item].place, items[*item].hash, fresh.parsed->uid, href, event->etag});
                continue;
            }
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

} // namespace rekko
