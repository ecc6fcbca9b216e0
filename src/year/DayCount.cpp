// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the calculator's dates and counting the days between them.
#include "DayCount.h"

#include "base/TextProcedures.h"
#include "calendar/Julius.h"

namespace rekko {

DayCountMethod DayCountMethodOf(int stored) {
    return stored == static_cast<int>(DayCountMethod::Period) ? DayCountMethod::Period : DayCountMethod::Days;
}

int64_t DayCount(int32_t from, int32_t to, DayCountMethod method) {
    return int64_t{to} - from + (method == DayCountMethod::Period ? 1 : 0);
}

std::string DayCountText(int64_t days) {
    return std::to_string(days) + "日";
}

Result<int32_t> ReadDayCountDate(std::string_view year, std::string_view month, std::string_view day) {
    const std::string refusal =
        "[ " + std::string(year) + "/" + std::string(month) + "/" + std::string(day) + " ]は、日付に出来ません。";
    const auto y = FieldInteger(year);
    const auto m = FieldInteger(month);
    const auto d = FieldInteger(day);
    if (!y || !m || !d || *y < 0 || *y > 9999 || *m < 1 || *m > 12 || *d < 1 || *d > 31)
        return Failure{refusal};
    if (const auto existing = ExistingJuliusDay(*y, *m, *d))
        return *existing;
    return Failure{refusal};
}

DayCountClick DecideDayCountClick(DateSlot selected, bool automatic) {
    DayCountClick click;
    click.target = selected;
    if (automatic) {
        click.nextSelected = selected;
        click.compute = true;
        return click;
    }
    click.nextSelected = selected == DateSlot::Start ? DateSlot::End : DateSlot::Start;
    click.hint = click.nextSelected == DateSlot::Start ? kClickStartHint : kClickEndHint;
    return click;
}

} // namespace rekko
