// SPDX-License-Identifier: GPL-3.0-or-later
// The timer window's countdown, notice and status lines, and the 12-hour question of a start.
#pragma once

#include <cstdint>
#include <string>

namespace rekko {

// Returns the countdown line for the time left from now until setTime (both milliseconds of the day; tomorrow's set
// time once it has passed), the minutes counted up and then split into hours: "設定時刻まで、3 分" for exactly 3 min,
// "設定時刻まで、1 時間 0 分" for 59 min 30 s, "設定時刻まで、1 時間 1 分" for 1 h 0 min 10 s.
std::string CountdownLine(int32_t setTime, int32_t now);

// Returns the alert's status line comparing the whole seconds of setTime and now: "設定時刻、%d 分前です" before the
// set time with the minutes counted up as in the countdown, "設定時刻です" from it to the end of its minute,
// "設定時刻を、%d 分経過しています" and "設定時刻を、%d 時間 %d 分経過しています" after that. The two times are taken
// as the nearest ones across midnight, so 00:10 is 12 minutes after 23:58.
std::string AlertStatusLine(int32_t setTime, int32_t now);

// Returns "（ ３分前に通知します ）" with the notice minutes in full-width digits, or the empty text for 0.
std::string NoticeLine(int notice);

// Returns the question asked when the set time is 12 hours or more ahead, naming the whole hours and minutes ahead.
std::string TwelveHourQuestion(int32_t ahead);

} // namespace rekko
