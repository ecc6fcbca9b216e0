// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown timer's firing window: whether the alarm of a set time is due at a moment.
#pragma once

#include "calendar/Julius.h"

namespace rekko {

// Answers whether the alarm for the time of day of setTime is due at the time of day of now: from noticeMinutes
// before it until noticeMinutes + 30 minutes after it, both ends compared in whole milliseconds of the day. The window
// does not wrap at midnight: a set time earlier in the day than that counts as tomorrow's.
bool AlarmDue(LocalDateTime now, LocalDateTime setTime, int noticeMinutes);

} // namespace rekko
