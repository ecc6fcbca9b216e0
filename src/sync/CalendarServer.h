// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar-server port: the account's calendars, the events changed since a sync token, writing and deleting one.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace rekko {

// Why a request to the server failed; None when it did not.
enum class ServerFault {
    None,
    Network,            // no connection, or it broke off
    TimedOut,           // the server stalled past the time-out
    Certificate,        // the TLS certificate was refused
    Unauthorized,       // 401 or 403: wrong user name or password
    NotFound,           // 404 or 410
    PreconditionFailed, // 412: the event is not the version named (If-Match), or exists already (If-None-Match)
    ServerError,        // any other answer that is not a success
    BadAnswer,          // a success whose body could not be read
};

// A server's answer: the value, or the fault with a message for the user.
template <class T> struct ServerReply {
    ServerFault fault = ServerFault::None;
    std::string message{};
    T value{};
    bool ok() const { return fault == ServerFault::None; }
};

// Where the account is and how to sign in.
struct ServerAccount {
    std::string address{}; // http(s) URL of the server, a principal or a calendar
    std::string user{};
    std::string password{};
    std::string pinnedKey{}; // "sha256//…" of a self-signed server's public key the user accepted; empty: CA checks
    int timeoutSeconds = 30;
};

// One calendar collection of the account.
struct ServerCalendar {
    std::string href{}; // the path of its URL, ending in "/"
    std::string name{}; // its display name, else the last segment of href
};

// One event resource.
struct ServerEvent {
    std::string href{}; // the path of its URL
    std::string etag{}; // the entity tag, quotes included, as the server gave it
    std::string ics{};  // one VCALENDAR, UTF-8
};

// What changed in a calendar since a sync token.
struct ServerChanges {
    std::vector<ServerEvent> changed{}; // new or changed events, whole
    std::vector<std::string> removed{}; // hrefs of events deleted since the token
    std::string syncToken{};            // to give next time; empty when the server keeps none
    bool complete = false;              // changed is the whole calendar: an event known before and not in it is gone
};

class CalendarServer {
public:
    virtual ~CalendarServer() = default;

    // The calendar collections of the account, found from its address (current-user-principal, calendar-home-set).
    virtual ServerReply<std::vector<ServerCalendar>> calendars() = 0;

    // The events of the calendar changed since syncToken. An empty token, one the server no longer knows, or a
    // server without sync-collection gives every event, with complete set.
    virtual ServerReply<ServerChanges> changes(const std::string& calendar, const std::string& syncToken) = 0;

    // The events at the hrefs, whole (a 412 or a PUT answered without an ETag is followed by this); an href that is
    // gone is left out.
    virtual ServerReply<std::vector<ServerEvent>> fetch(const std::string& calendar,
                                                        const std::vector<std::string>& hrefs) = 0;

    // Writes one event at href over the version etag (If-Match), or as a new one when etag is empty
    // (If-None-Match: *); answers its new ETag, empty when the server gave none.
    virtual ServerReply<std::string> put(const std::string& href, const std::string& ics, const std::string& etag) = 0;

    // Deletes the event at href when it is still the version etag.
    virtual ServerReply<std::monostate> remove(const std::string& href, const std::string& etag) = 0;
};

} // namespace rekko
