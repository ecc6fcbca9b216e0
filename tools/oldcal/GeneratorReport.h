// SPDX-License-Identifier: GPL-3.0-or-later
// The text the old-calendar generator writes: the table resource and the report for a reviewer.
#pragma once

#include "LunisolarCalendar.h"

#include <string>

namespace rekko::oldcal {

// Events closer to a JST midnight than this many seconds are listed as sensitive.
inline constexpr double kNearMidnightSeconds = 120;

// Formats the months as table lines "day number,month code" ended by CR LF; the last month's line closes the table.
std::string formatOldMonthTable(const OldCalendarComputation& computation);

// Formats a signed distance from midnight as "+hh:mm:ss" or "-hh:mm:ss", rounded to the second.
std::string formatMidnightDistance(double seconds);

// Formats a moment as "YYYY-MM-DD hh:mm:ss  +hh:mm:ss": its JST date and time and its distance from midnight.
std::string formatMoment(const JstMoment& moment);

// Formats the report: every month start and principal term with its JST time and distance from midnight, then the
// events within kNearMidnightSeconds of midnight, then the months whose number disagrees with a principal term.
std::string formatGeneratorReport(const OldCalendarComputation& computation);

} // namespace rekko::oldcal
