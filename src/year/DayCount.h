// SPDX-License-Identifier: GPL-3.0-or-later
// The day-count calculator of the year page: reading its dates, the count by the chosen method, the result text
// and what a click on a calendar does to the calculator.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// The counting method, as rgNissuu stores it: "日数(期間-1)" counts the days between, "期間" includes both ends.
enum class DayCountMethod { Days = 0, Period = 1 };

// Which date a click on a calendar sets: rbSt ("開始日") or rbEd ("終了日").
enum class DateSlot { Start, End };

inline constexpr const char* kClickStartHint = "開始日をクリックしてください。";
inline constexpr const char* kClickEndHint = "終了日をクリックしてください。";

// Returns the method of a stored rgNissuu value; values other than 1 count days.
DayCountMethod DayCountMethodOf(int stored);

// Returns the count from day number from to day number to: to - from, plus one for "期間". A date before the
// first gives a negative count.
int64_t DayCount(int32_t from, int32_t to, DayCountMethod method);

// Returns the result text "%d日", a negative count as it is.
std::string DayCountText(int64_t days);

// Reads a date of the calculator from its year, month and day fields. Fails with the message to show, naming the
// date, for a field that is not a number, a year outside 0..9999, and a date that does not exist (2/30, or
// 1582-10-05..14 of the calendar reform).
Result<int32_t> ReadDayCountDate(std::string_view year, std::string_view month, std::string_view day);

// What a click on a calendar does on the day-count page: the clicked date goes into the selected slot; with
// automatic calculation the count is computed at once, otherwise the other slot is selected and the hint asks for it.
struct DayCountClick {
    DateSlot target = DateSlot::Start;
    DateSlot nextSelected = DateSlot::Start;
    bool compute = false;
    std::optional<std::string> hint;
};

// Decides a click for the selected slot and the state of cbKeisan.
DayCountClick DecideDayCountClick(DateSlot selected, bool automatic);

} // namespace rekko
