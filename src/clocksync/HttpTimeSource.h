// SPDX-License-Identifier: GPL-3.0-or-later
// The time of a web page fetched with one HTTP/1.0 GET (following redirects), read from its Date.parse call.
#pragma once

#include "TimeSource.h"

#include <string>
#include <utility>

namespace rekko {

class HttpTimeSource : public TimeSource {
public:
    // Fetches "http://host[:port][path]"; refuses every other address.
    explicit HttpTimeSource(std::string address, FetchLimits limits = {})
        : m_address(std::move(address)), m_limits(limits) {}

    Result<SourceReading> fetch() override;
    const char* protocol() const override { return "HTTP"; }

private:
    std::string m_address;
    FetchLimits m_limits;
};

} // namespace rekko
