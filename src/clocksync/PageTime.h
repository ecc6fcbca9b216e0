// SPDX-License-Identifier: GPL-3.0-or-later
// The time of a time page: the quoted argument of its first Date.parse call, read as a Japan time.
#pragma once

#include "base/LocalDateTime.h"

#include <string_view>

namespace rekko {

// Reads the page time from a page's text: the first line holding "Date.parse", a colon and a double quote, the text
// quoted in its Date.parse("…") call, its items weekday, month name, day, time and year. Returns the time (Japan
// time, to the second), or 0 for no time.
LocalDateTime ParsePageTime(std::string_view page);

} // namespace rekko
