// SPDX-License-Identifier: GPL-3.0-or-later
// The local date-and-time value: days since 1899-12-30 with the time of day as the fraction (Japan time).
#pragma once

namespace rekko {

// One minute is 1/1440, one second 1/86400; before day 0 the time still counts forward within the day.
using LocalDateTime = double;

} // namespace rekko
