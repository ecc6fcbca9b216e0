// SPDX-License-Identifier: GPL-3.0-or-later
// The time of a web page fetched with one HTTP/1.0 GET (following redirects), read from its Date.parse call.
#pragma once

#include "HttpAddress.h"
#include "TimeSource.h"

#include "NetworkSteps.h"

#include <string>

namespace rekko {

// Returns the request for a path on a host: the GET line, Host and the fixed Accept and Content-type lines, each
// ending in CR LF, and the empty line.
std::string HttpRequest(const SourceAddressParts& address);

// The body of one HTTP answer, fetched within the limits; fails on any network failure or broken bound.
struct HttpAnswer {
    int status = 0;
    std::string location;
    std::string body;
};
Result<HttpAnswer> FetchHttpAnswer(const SourceAddressParts& address, const FetchLimits& limits, SteadyTime deadline);

class HttpTimeSource : public TimeSource {
public:
    HttpTimeSource(std::string address, FetchLimits limits = {}) : m_address(std::move(address)), m_limits(limits) {}

    Result<SourceReading> fetch() override;
    const char* protocol() const override { return "HTTP"; }

private:
    std::string m_address;
    FetchLimits m_limits;
};

} // namespace rekko
