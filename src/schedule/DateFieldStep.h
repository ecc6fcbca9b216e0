// SPDX-License-Identifier: GPL-3.0-or-later
// The up-down stepping of the period page's date fields, with wrap and carry.
#pragma once

#include "PeriodRecord.h"

namespace rekko {

enum class DateField { Year, Month, Day };

// Steps one field of a date by +1 or -1. The day runs 1..31 whatever the month and the month 1..12: stepping
// past a limit wraps the field and carries one step into the next field (day into month, month into year);
// the year runs 0..9999 and stops at its limits.
void StepDateField(PeriodDate& date, DateField field, int step);

} // namespace rekko
