// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the protocol of a time source by the scheme of its address.
#include "TimeSources.h"

#include "HttpTimeSource.h"
#include "SntpTimeSource.h"

#include <algorithm>
#include <cctype>

namespace rekko {

std::unique_ptr<TimeSource> MakeTimeSource(const std::string& address, const Clock& clock, FetchLimits limits) {
    std::string scheme = address.substr(0, 6);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (scheme == "ntp://")
        return std::make_unique<SntpTimeSource>(address, clock, limits);
    return std::make_unique<HttpTimeSource>(address, limits);
}

} // namespace rekko
