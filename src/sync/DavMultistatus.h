// SPDX-License-Identifier: GPL-3.0-or-later
// The WebDAV multistatus reader: the responses of a PROPFIND or REPORT answer with the properties CalDAV needs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// One response of a multistatus: its href as given and the properties found with a 2xx status.
struct DavResponse {
    std::string href{};         // the first href, as the server wrote it (percent-encoded, maybe a whole URL)
    int status = 0;             // the response's own status (404 for a removal in a sync answer); 0 when none given
    std::string etag{};         // getetag
    std::string calendarData{}; // calendar-data
    bool hasCalendarData = false;
    std::string displayName{};
    std::string principal{};    // the href in current-user-principal
    std::string calendarHome{}; // the first href in calendar-home-set
    bool calendar = false;      // resourcetype holds the CalDAV calendar
    bool events = true;         // supported-calendar-component-set names VEVENT, or the property is not given
};

struct DavMultistatus {
    std::vector<DavResponse> responses{};
    std::string syncToken{}; // the sync-token of a sync-collection answer
};

// Reads a multistatus document; nothing when the text is no well-formed XML or its root is no DAV multistatus.
// Names are matched by namespace, whatever prefixes the server chose.
std::optional<DavMultistatus> ReadMultistatus(std::string_view xml);

// Answers whether the text is a DAV error document naming the precondition (a DAV element such as
// "valid-sync-token" or "supported-report").
bool NamesDavPrecondition(std::string_view xml, std::string_view precondition);

} // namespace rekko
