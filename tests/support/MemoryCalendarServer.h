// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar server in memory: events by href with ETags, a change log for the sync tokens, writes by another
// client, and a fault injected at the n-th request.
#pragma once

#include "sync/CalendarServer.h"

#include <charconv>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace rekko::test {

class MemoryCalendarServer : public CalendarServer {
public:
    static constexpr const char* kCalendar = "/calendars/user/rekko/";

    // Makes the n-th request from now on (1 for the next) fail with the fault.
    void failAt(int request, ServerFault fault = ServerFault::Network) {
        m_failAt = m_requests + request;
        m_fault = fault;
    }
    // Runs before each request with its number: another client's writes in the middle of a sync.
    std::function<void(int request)> beforeRequest;

    int requests() const { return m_requests; }
    const std::map<std::string, ServerEvent>& events() const { return m_events; }

    // Writes an event as another client does; answers its ETag.
    std::string store(const std::string& href, const std::string& ics) {
        ServerEvent& event = m_events[href];
        event = {href, "\"" + std::to_string(++m_versions) + "\"", ics};
        m_log.push_back(href);
        return event.etag;
    }
    void erase(const std::string& href) {
        m_events.erase(href);
        m_log.push_back(href);
    }

    ServerReply<std::vector<ServerCalendar>> calendars() override {
        if (failing())
            return {m_fault, "injected"};
        return {.value = {{kCalendar, "Rekko"}}};
    }

    ServerReply<ServerChanges> changes(const std::string&, const std::string& syncToken) override {
        if (failing())
            return {m_fault, "injected"};
        ServerReply<ServerChanges> reply;
        reply.value.syncToken = "t" + std::to_string(m_log.size());
        size_t from = 0;
        const bool known =
            syncToken.size() > 1 && syncToken[0] == 't' &&
            std::from_chars(syncToken.data() + 1, syncToken.data() + syncToken.size(), from).ec == std::errc() &&
            from <= m_log.size();
        if (!known) {
            reply.value.complete = true;
            for (const auto& [href, event] : m_events)
                reply.value.changed.push_back(event);
            return reply;
        }
        const std::set<std::string> hrefs(m_log.begin() + static_cast<long>(from), m_log.end());
        for (const std::string& href : hrefs) {
            const auto found = m_events.find(href);
            if (found == m_events.end())
                reply.value.removed.push_back(href);
            else
                reply.value.changed.push_back(found->second);
        }
        return reply;
    }

    ServerReply<std::vector<ServerEvent>> fetch(const std::string&, const std::vector<std::string>& hrefs) override {
        if (failing())
            return {m_fault, "injected"};
        ServerReply<std::vector<ServerEvent>> reply;
        for (const std::string& href : hrefs) {
            if (m_events.count(href))
                reply.value.push_back(m_events.at(href));
        }
        return reply;
    }

    ServerReply<std::string> put(const std::string& href, const std::string& ics, const std::string& etag) override {
        if (failing())
            return {m_fault, "injected"};
        const auto found = m_events.find(href);
        if ((found == m_events.end()) != etag.empty() || (found != m_events.end() && found->second.etag != etag))
            return {ServerFault::PreconditionFailed, "412"};
        return {.value = store(href, ics)};
    }

    ServerReply<std::monostate> remove(const std::string& href, const std::string& etag) override {
        if (failing())
            return {m_fault, "injected"};
        const auto found = m_events.find(href);
        if (found == m_events.end())
            return {ServerFault::NotFound, "404"};
        if (found->second.etag != etag)
            return {ServerFault::PreconditionFailed, "412"};
        erase(href);
        return {};
    }

private:
    bool failing() {
        ++m_requests;
        if (beforeRequest)
            beforeRequest(m_requests);
        return m_requests == m_failAt;
    }

    std::map<std::string, ServerEvent> m_events;
    std::vector<std::string> m_log; // the href of each change, in order; a token is a position in it
    int m_versions = 0;
    int m_requests = 0;
    int m_failAt = 0;
    ServerFault m_fault = ServerFault::Network;
};

} // namespace rekko::test
