// SPDX-License-Identifier: GPL-3.0-or-later
// The time source for an address: SNTP for "ntp://", HTTP for anything else (which refuses what it cannot fetch).
#pragma once

#include "TimeSource.h"

#include "platform/Clock.h"

#include <memory>
#include <string>

namespace rekko {

std::unique_ptr<TimeSource> MakeTimeSource(const std::string& address, const Clock& clock, FetchLimits limits = {});

} // namespace rekko
