// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar server as a CalDAV server: discovery, sync-collection, multiget, PUT and DELETE over HTTP.
#pragma once

#include "CalendarServer.h"
#include "HttpSession.h"

namespace rekko {

class CalDavServer : public CalendarServer {
public:
    explicit CalDavServer(ServerAccount account);

    ServerReply<std::vector<ServerCalendar>> calendars() override;
    ServerReply<ServerChanges> changes(const std::string& calendar, const std::string& syncToken) override;
    ServerReply<std::vector<ServerEvent>> fetch(const std::string& calendar,
                                                const std::vector<std::string>& hrefs) override;
    ServerReply<std::string> put(const std::string& href, const std::string& ics, const std::string& etag) override;
    ServerReply<std::monostate> remove(const std::string& href, const std::string& etag) override;

private:
    struct DavAnswer;
    // Sends a PROPFIND or REPORT with an XML body to the URL and reads its multistatus.
    DavAnswer dav(const std::string& method, const std::string& url, int depth, const std::string& body);
    // Answers whether a PROPFIND answer names a calendar, a principal or a home of calendars.
    static bool leads(const DavAnswer& answer);
    ServerReply<ServerChanges> syncCollection(const std::string& calendar, const std::string& syncToken);
    ServerReply<ServerChanges> calendarQuery(const std::string& calendar);
    // Turns the responses of an event listing into events, fetching those that came without their data.
    ServerReply<ServerChanges> eventsOf(const std::string& calendar, const std::string& url, const DavAnswer& answer);
    std::string urlOf(const std::string& path) const;

    ServerAccount m_account;
    HttpSession m_http;
};

} // namespace rekko
