// SPDX-License-Identifier: GPL-3.0-or-later
// The CalDAV client: the WebDAV requests of each step of a sync and the reading of their answers.
#include "CalDavServer.h"

#include "DavHref.h"
#include "DavMultistatus.h"

#include <algorithm>

namespace rekko {
namespace {

constexpr const char* kNamespaces = " xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"";
constexpr const char* kEventProps = "<d:prop><d:getetag/><c:calendar-data/></d:prop>";

std::string PropfindBody() {
    return std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?><d:propfind") + kNamespaces +
           "><d:prop><d:current-user-principal/><c:calendar-home-set/><d:resourcetype/><d:displayname/>"
           "<c:supported-calendar-component-set/></d:prop></d:propfind>";
}

std::string XmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

// Returns the last segment of a collection's path, its name when it has no display name.
std::string LastSegment(const std::string& path) {
    const std::string trimmed = path.substr(0, path.find_last_not_of('/') + 1);
    return trimmed.substr(trimmed.find_last_of('/') + 1);
}

template <class T> ServerReply<T> Fault(ServerFault fault, std::string message) {
    ServerReply<T> reply;
    reply.fault = fault;
    reply.message = std::move(message);
    return reply;
}

const std::string kBadAnswer = "サーバーの答えを読めません";

} // namespace

struct CalDavServer::DavAnswer {
    ServerFault fault = ServerFault::None;
    std::string message{};
    long status = 0;
    std::string body{};
    std::string url{}; // the URL asked, against which the answer's hrefs resolve
    DavMultistatus multistatus{};
    template <class T> ServerReply<T> failure() const { return Fault<T>(fault, message); }
};

bool CalDavServer::leads(const DavAnswer& answer) {
    if (answer.fault != ServerFault::None || answer.multistatus.responses.empty())
        return false;
    const DavResponse& first = answer.multistatus.responses.front();
    return first.calendar || !first.principal.empty() || !first.calendarHome.empty();
}

CalDavServer::CalDavServer(ServerAccount account) : m_account(std::move(account)), m_http(m_account) {}

std::string CalDavServer::urlOf(const std::string& path) const {
    return UrlOfPath(m_account.address, path);
}

CalDavServer::DavAnswer CalDavServer::dav(const std::string& method, const std::string& url, int depth,
                                          const std::string& body) {
    DavAnswer answer;
    answer.url = url;
    const auto reply = m_http.send(
        {method, url, {"Depth: " + std::to_string(depth), "Content-Type: application/xml; charset=utf-8"}, body});
    if (!reply.ok()) {
        answer.fault = reply.fault;
        answer.message = reply.message;
        return answer;
    }
    answer.status = reply.value.status;
    answer.body = reply.value.body;
    answer.url = reply.value.url;
    if (answer.status != 207) {
        const auto status = FaultOfStatus(answer.status);
        answer.fault = status.ok() ? ServerFault::BadAnswer : status.fault;
        answer.message = status.ok() ? kBadAnswer : status.message;
    } else if (auto read = ReadMultistatus(answer.body)) {
        answer.multistatus = std::move(*read);
    } else {
        answer.fault = ServerFault::BadAnswer;
        answer.message = kBadAnswer;
    }
    return answer;
}

ServerReply<std::vector<ServerCalendar>> CalDavServer::calendars() {
    DavAnswer start = dav("PROPFIND", m_account.address, 0, PropfindBody());
    // A server whose address names no calendar, principal or home may say where they are at its well-known address;
    // not worth asking when the server cannot be reached or refused the user.
    const bool reached = start.fault == ServerFault::None || start.fault == ServerFault::NotFound ||
                         start.fault == ServerFault::ServerError || start.fault == ServerFault::BadAnswer;
    if (reached && !leads(start)) {
        DavAnswer wellKnown = dav("PROPFIND", urlOf("/.well-known/caldav"), 0, PropfindBody());
        if (leads(wellKnown))
            start = std::move(wellKnown);
    }
    if (start.fault != ServerFault::None)
        return start.failure<std::vector<ServerCalendar>>();
    if (start.multistatus.responses.empty())
        return Fault<std::vector<ServerCalendar>>(ServerFault::BadAnswer, kBadAnswer);
    const DavResponse& first = start.multistatus.responses.front();
    const std::string addressPath = ResolvedPath(start.url, start.url).value_or("/");
    ServerReply<std::vector<ServerCalendar>> reply;
    if (first.calendar) {
        const std::string path = WithSlash(addressPath);
        reply.value.push_back({path, first.displayName.empty() ? LastSegment(path) : first.displayName});
        return reply;
    }
    // The address may be the server, a principal or the home of the calendars.
    std::string home = first.calendarHome;
    std::string homeBase = start.url;
    if (home.empty() && !first.principal.empty()) {
        const auto principalPath = ResolvedPath(start.url, first.principal);
        if (!principalPath)
            return Fault<std::vector<ServerCalendar>>(ServerFault::BadAnswer, kBadAnswer);
        const DavAnswer principal = dav("PROPFIND", urlOf(*principalPath), 0, PropfindBody());
        if (principal.fault != ServerFault::None)
            return principal.failure<std::vector<ServerCalendar>>();
        if (!principal.multistatus.responses.empty())
            home = principal.multistatus.responses.front().calendarHome;
        homeBase = principal.url;
    }
    const std::string homePath = home.empty() ? addressPath : ResolvedPath(homeBase, home).value_or(addressPath);
    const DavAnswer listing = dav("PROPFIND", urlOf(WithSlash(homePath)), 1, PropfindBody());
    if (listing.fault != ServerFault::None)
        return listing.failure<std::vector<ServerCalendar>>();
    for (const DavResponse& response : listing.multistatus.responses) {
        const auto path = ResolvedPath(listing.url, response.href);
        if (!path || !response.calendar || !response.events)
            continue;
        const std::string href = WithSlash(*path);
        reply.value.push_back({href, response.displayName.empty() ? LastSegment(href) : response.displayName});
    }
    return reply;
}

ServerReply<ServerChanges> CalDavServer::changes(const std::string& calendar, const std::string& syncToken) {
    return syncCollection(calendar, syncToken);
}

ServerReply<ServerChanges> CalDavServer::syncCollection(const std::string& calendar, const std::string& syncToken) {
    const std::string url = urlOf(calendar);
    const std::string body = std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?><d:sync-collection") + kNamespaces +
                             "><d:sync-token>" + XmlEscaped(syncToken) +
                             "</d:sync-token><d:sync-level>1</d:sync-level>" + kEventProps + "</d:sync-collection>";
    const DavAnswer answer = dav("REPORT", url, 0, body);
    const bool refused = answer.status == 403 || answer.status == 409;
    // A token the server no longer knows: start again from the whole calendar.
    if (refused && !syncToken.empty() && NamesDavPrecondition(answer.body, "valid-sync-token"))
        return syncCollection(calendar, {});
    // A server without sync-collection: list the events by a query.
    if ((refused && NamesDavPrecondition(answer.body, "supported-report")) || answer.status == 400 ||
        answer.status == 405 || answer.status == 415 || answer.status == 422 || answer.status == 501)
        return calendarQuery(calendar);
    if (answer.fault != ServerFault::None)
        return answer.failure<ServerChanges>();
    auto reply = eventsOf(calendar, url, answer);
    reply.value.syncToken = answer.multistatus.syncToken;
    reply.value.complete = syncToken.empty();
    // A server may cut a long answer short (507 on the collection): the rest follows from the token it gave.
    const bool cut = std::any_of(answer.multistatus.responses.begin(), answer.multistatus.responses.end(),
                                 [](const DavResponse& response) { return response.status == 507; });
    if (!reply.ok() || !cut || reply.value.syncToken.empty() || reply.value.syncToken == syncToken)
        return reply;
    auto rest = syncCollection(calendar, reply.value.syncToken);
    if (!rest.ok())
        return rest;
    for (ServerEvent& event : rest.value.changed)
        reply.value.changed.push_back(std::move(event));
    reply.value.removed.insert(reply.value.removed.end(), rest.value.removed.begin(), rest.value.removed.end());
    reply.value.syncToken = rest.value.syncToken;
    return reply;
}

ServerReply<ServerChanges> CalDavServer::calendarQuery(const std::string& calendar) {
    const std::string url = urlOf(calendar);
    const std::string body = std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?><c:calendar-query") + kNamespaces +
                             ">" + kEventProps +
                             "<c:filter><c:comp-filter name=\"VCALENDAR\"><c:comp-filter name=\"VEVENT\"/>"
                             "</c:comp-filter></c:filter></c:calendar-query>";
    const DavAnswer answer = dav("REPORT", url, 1, body);
    if (answer.fault != ServerFault::None)
        return answer.failure<ServerChanges>();
    auto reply = eventsOf(calendar, url, answer);
    reply.value.complete = true;
    return reply;
}

ServerReply<ServerChanges> CalDavServer::eventsOf(const std::string& calendar, const std::string& url,
                                                  const DavAnswer& answer) {
    ServerReply<ServerChanges> reply;
    std::vector<std::string> withoutData;
    for (const DavResponse& response : answer.multistatus.responses) {
        const auto path = ResolvedPath(url, response.href);
        // The collection itself may be listed beside its events.
        if (!path || path->empty() || path->back() == '/')
            continue;
        if (response.status == 404 || response.status == 410)
            reply.value.removed.push_back(*path);
        else if (response.status != 0 && (response.status < 200 || response.status > 299))
            continue;
        else if (response.hasCalendarData && !response.calendarData.empty())
            reply.value.changed.push_back({*path, response.etag, response.calendarData});
        else
            withoutData.push_back(*path);
    }
    if (withoutData.empty())
        return reply;
    auto fetched = fetch(calendar, withoutData);
    if (!fetched.ok())
        return Fault<ServerChanges>(fetched.fault, fetched.message);
    // An event listed and gone before it could be fetched was removed meanwhile.
    for (const std::string& path : withoutData) {
        bool found = false;
        for (ServerEvent& event : fetched.value)
            found = found || event.href == path;
        if (!found)
            reply.value.removed.push_back(path);
    }
    for (ServerEvent& event : fetched.value)
        reply.value.changed.push_back(std::move(event));
    return reply;
}

ServerReply<std::vector<ServerEvent>> CalDavServer::fetch(const std::string& calendar,
                                                          const std::vector<std::string>& hrefs) {
    ServerReply<std::vector<ServerEvent>> reply;
    if (hrefs.empty())
        return reply;
    std::string body =
        std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?><c:calendar-multiget") + kNamespaces + ">" + kEventProps;
    for (const std::string& href : hrefs)
        body += "<d:href>" + XmlEscaped(EncodedPath(href)) + "</d:href>";
    body += "</c:calendar-multiget>";
    const DavAnswer answer = dav("REPORT", urlOf(calendar), 1, body);
    if (answer.fault != ServerFault::None)
        return answer.failure<std::vector<ServerEvent>>();
    for (const DavResponse& response : answer.multistatus.responses) {
        const auto path = ResolvedPath(answer.url, response.href);
        const bool found = response.status == 0 || (response.status >= 200 && response.status <= 299);
        if (path && found && response.hasCalendarData && !response.calendarData.empty())
            reply.value.push_back({*path, response.etag, response.calendarData});
    }
    return reply;
}

ServerReply<std::string> CalDavServer::put(const std::string& href, const std::string& ics, const std::string& etag) {
    const std::string condition = etag.empty() ? "If-None-Match: *" : "If-Match: " + etag;
    const auto sent = m_http.send({"PUT", urlOf(href), {"Content-Type: text/calendar; charset=utf-8", condition}, ics});
    if (!sent.ok())
        return Fault<std::string>(sent.fault, sent.message);
    if (const auto status = FaultOfStatus(sent.value.status); !status.ok())
        return Fault<std::string>(status.fault, status.message);
    ServerReply<std::string> reply;
    reply.value = sent.value.etag;
    return reply;
}

ServerReply<std::monostate> CalDavServer::remove(const std::string& href, const std::string& etag) {
    std::vector<std::string> headers;
    if (!etag.empty())
        headers.push_back("If-Match: " + etag);
    const auto sent = m_http.send({"DELETE", urlOf(href), headers, {}});
    if (!sent.ok())
        return Fault<std::monostate>(sent.fault, sent.message);
    return FaultOfStatus(sent.value.status);
}

} // namespace rekko
