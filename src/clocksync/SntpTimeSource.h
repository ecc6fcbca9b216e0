// SPDX-License-Identifier: GPL-3.0-or-later
// The time of an NTP server fetched with one SNTP version 4 exchange over UDP.
#pragma once

#include "TimeSource.h"

#include "platform/Clock.h"

#include <string>
#include <utility>

namespace rekko {

class SntpTimeSource : public TimeSource {
public:
    // The clock stamps the request and the reply; the reading is its time at the reply plus the server's offset.
    explicit SntpTimeSource(std::string address, const Clock& clock, FetchLimits limits = {})
        : m_address(std::move(address)), m_clock(clock), m_limits(limits) {}

    Result<SourceReading> fetch() override;
    const char* protocol() const override { return "NTP"; }

private:
    std::string m_address;
    const Clock& m_clock;
    FetchLimits m_limits;
};

} // namespace rekko
