// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping the period page's date fields.
#include "DateFieldStep.h"

#include <algorithm>

namespace rekko {

void StepDateField(PeriodDate& date, DateField field, int step) {
    step = step < 0 ? -1 : 1;
    switch (field) {
    case DateField::Year:
        date.year = std::clamp(date.year + step, 0, 9999);
        return;
    case DateField::Month:
        date.month += step;
        if (date.month > 12 || date.month < 1) {
            date.month = date.month > 12 ? 1 : 12;
            StepDateField(date, DateField::Year, step);
        }
        return;
    case DateField::Day:
        date.day += step;
        if (date.day > 31 || date.day < 1) {
            date.day = date.day > 31 ? 1 : 31;
            StepDateField(date, DateField::Month, step);
        }
        return;
    }
}

} // namespace rekko
