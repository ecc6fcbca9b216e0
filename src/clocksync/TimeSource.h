// SPDX-License-Identifier: GPL-3.0-or-later
// The time-source port: one fetch of the current time, and the bounds every network fetch keeps.
#pragma once

#include "base/LocalDateTime.h"
#include "base/Result.h"

#include <chrono>
#include <cstddef>

namespace rekko {

// What a source answered: its time in UTC at the moment the fetch returned.
struct SourceReading {
    LocalDateTime utc = 0;
    // The source gives whole seconds (an HTTP page), so the fine adjustment applies to it.
    bool wholeSeconds = false;
};

// The bounds of one fetch: each network step (name lookup, connecting, sending, one header line, the body, an NTP
// reply), the whole fetch with its redirects, and the sizes of what is kept.
struct FetchLimits {
    std::chrono::milliseconds step{10'000};
    std::chrono::milliseconds overall{30'000};
    size_t maxBody = 1 << 20;
    size_t maxHeaderLine = 8 << 10;
    size_t maxHeader = 64 << 10;
    int maxRedirects = 5;
};

class TimeSource {
public:
    virtual ~TimeSource() = default;

    // Fetches the time once; fails with the reason when no time is obtained.
    virtual Result<SourceReading> fetch() = 0;

    // The protocol's name as the access log gives it: "HTTP" or "NTP".
    virtual const char* protocol() const = 0;
};

} // namespace rekko
