// SPDX-License-Identifier: GPL-3.0-or-later
// The CSS3 colour names and the one nearest to a colour of ours, for the COLOR property of iCalendar.
#pragma once

#include "base/Colour.h"

#include <optional>
#include <string>

namespace rekko {

// Returns the CSS3 colour name nearest (in RGB distance; the first of equals in alphabetical order) to a colour
// 0x00BBGGRR; nothing for the system colours (the standard colour among them) and clNone.
std::optional<std::string> NearestCssColourName(TColor colour);

} // namespace rekko
