// SPDX-License-Identifier: GPL-3.0-or-later
// Stateless text procedures shared by the windows: weekday names, full-width digits, splitting, separators, blanks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// Returns ifTrue when the condition holds, else ifFalse.
std::string ChooseText(bool condition, std::string_view ifTrue, std::string_view ifFalse);

// Returns "日".."土" for weekday 1..7 (1 = Sunday); any other number gives "不明".
std::string WeekdayShortName(int weekday);

// Returns "日曜日".."土曜日" for weekday 1..7; any other number gives "不明".
std::string WeekdayLongName(int weekday);

// Returns "1".."7" for a long weekday name; any other text gives the empty text.
std::string WeekdayNumberText(std::string_view longName);

// Returns the full-width digit "０".."８" for 0..8; every other value gives "９".
std::string FullWidthDigit(int number);

// Appends the pieces between separators to the list: n separators always give n + 1 pieces, no quoting, no trimming.
void SplitAt(std::string_view text, char separator, std::vector<std::string>& list);
std::vector<std::string> SplitAt(std::string_view text, char separator);

// Returns the text without the spaces and tabs at its ends.
std::string_view TrimBlanks(std::string_view text);

// Trims surrounding blanks and appends the separator unless the text is empty or already ends with it.
std::string WithTrailingSeparator(std::string_view text, std::string_view separator = "/");

enum class BlankEscape { Escape, Unescape };

// Escapes every blank as "_(Sp)_", or turns every "_(Sp)_" back into a blank.
std::string EscapeBlanks(std::string_view text, BlankEscape direction);

// Reads a field of a record as a whole decimal integer, allowing the leading blanks the record formats write
// ("%2d", "%4s") and a sign; answers nothing for anything else or a value beyond 32 bits.
std::optional<int32_t> FieldInteger(std::string_view field);

// Replaces every occurrence of from by to.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

} // namespace rekko
