// SPDX-License-Identifier: GPL-3.0-or-later
// Addresses of time sources: "http://" or "ntp://", a host, an optional port and, for HTTP, a path.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rekko {

struct SourceAddressParts {
    std::string scheme; // "http" or "ntp", lower case
    std::string host;
    uint16_t port = 0;
    std::string path; // "/" when none is given; always "/" for NTP
};

// Reads "http://host[:port][path]" (port 80) or "ntp://host[:port]" (port 123); the scheme in any case. Refuses an
// empty address, "https" and any other scheme, a missing host and a bad port.
Result<SourceAddressParts> ParseSourceAddress(std::string_view address);

// Returns where a redirect leads: a full address as it is, a path beginning with "/" on the same server.
Result<SourceAddressParts> RedirectTarget(std::string_view location, const SourceAddressParts& from);

} // namespace rekko
