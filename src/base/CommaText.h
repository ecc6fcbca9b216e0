// SPDX-License-Identifier: GPL-3.0-or-later
// The comma-text rule of rule lines and tables, and the comma escaping of user text in comma-separated records.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// Splits a line by the comma-text rule: commas and bytes 1..32 outside double quotes separate fields, a field
// starting with a quote runs to the closing quote (a doubled quote is one quote, an unterminated quote runs to
// the end), two commas give an empty field, a trailing comma adds none. A NUL byte ends the text.
std::vector<std::string> SplitCommaText(std::string_view line);

// Joins fields into comma text, quoting a field that is empty or holds a byte 1..32, a comma or a double
// quote (inner quotes doubled), so that SplitCommaText gives the same fields back.
std::string JoinCommaText(const std::vector<std::string>& fields);

// Replaces every "," by the full-width "，" for storing user text in a comma-separated record.
std::string EscapeCommas(std::string_view text);

// Turns the first "，" of a stored text back into "," when an ASCII digit stands directly before and after it
// (so "1，000" shows as "1,000"); every other "，" stays.
std::string UnescapeDigitComma(std::string_view text);

} // namespace rekko
