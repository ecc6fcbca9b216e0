// SPDX-License-Identifier: GPL-3.0-or-later
// A month calendar as terminal text, laid out by the month grid's model, in the manner of cal(1).
#pragma once

#include "controls/MonthGrid.h"

#include <string>

namespace rekko::cli {

// Renders the grid's month as a heading, a weekday row and its week rows (first row from the 1st, last row to the
// last day); below each week row come the rokuyo of its days when the grid shows rokuyo, then one line per day
// with names, "   5日 " and the names as the grid draws them. The day today is shown in reverse video when
// highlight is set. With lines each day also lists the schedule lines of the book's slot 0 and the periods that begin
// on it.
std::string MonthText(MonthGrid& grid, bool highlight, bool lines = false);

} // namespace rekko::cli
