// SPDX-License-Identifier: GPL-3.0-or-later
// Writing events as an iCalendar object (RFC 5545) through libical.
#pragma once

#include "IcsEvents.h"

#include "base/LocalDateTime.h"

#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// Returns one VCALENDAR of the events named name, with the VTIMEZONE of kIcsTimeZone when an event has a time of
// day; every event stamped (DTSTAMP) with stamp, a UTC time. The text is UTF-8, lines end in CR LF, long lines are
// folded at 75 octets and texts escaped as libical does.
std::string WriteIcsCalendar(const std::vector<IcsEvent>& events, std::string_view name, LocalDateTime stamp);

} // namespace rekko
