// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the WebDAV multistatus reader and the hrefs it gives keep their bounds and read alike twice.
#include "FuzzCheck.h"

#include "sync/DavHref.h"
#include "sync/DavMultistatus.h"

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view xml = fuzz::BytesOf(data, size);
    const auto first = ReadMultistatus(xml);
    const auto second = ReadMultistatus(xml);
    FUZZ_CHECK(first.has_value() == second.has_value());
    NamesDavPrecondition(xml, "valid-sync-token");
    if (!first)
        return 0;
    FUZZ_CHECK(first->responses.size() == second->responses.size() && first->syncToken == second->syncToken);
    for (const DavResponse& response : first->responses) {
        FUZZ_CHECK(response.status >= 0 && response.status <= 999);
        FUZZ_CHECK(response.hasCalendarData || response.calendarData.empty());
        if (const auto path = ResolvedPath("http://127.0.0.1:5232/user/work/", response.href))
            FUZZ_CHECK(!path->empty() && path->front() == '/');
    }
    return 0;
}
