// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the old-calendar table loader, and lookups in a table it accepted.
#include "FuzzCheck.h"

#include "calendar/OldCalendar.h"

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto table = parseOldMonthTable(fuzz::BytesOf(data, size));
    if (!table)
        return 0;
    const std::vector<TJDOldMonth>& months = table.value();
    FUZZ_CHECK(months.size() >= 2);
    for (size_t i = 0; i + 1 < months.size(); ++i) {
        const int64_t length = int64_t{months[i + 1].start} - months[i].start;
        FUZZ_CHECK(length == 29 || length == 30);
        const int code = months[i].monthCode;
        FUZZ_CHECK((code >= 1 && code <= 12) || (code >= 101 && code <= 112));
        // Around each month start the binary search and the scan agree.
        for (const int64_t probe :
             {int64_t{months[i].start} - 1, int64_t{months[i].start}, int64_t{months[i].start} + 28}) {
            if (probe < INT32_MIN)
                continue;
            const auto jd = static_cast<int32_t>(probe);
            const OldDate date = findOldDate(months, jd);
            FUZZ_CHECK(date == findOldDateByScan(months, jd));
            FUZZ_CHECK(date.monthCode == 0 ? date.day == 0 : date.day >= 1 && date.day <= 30);
            FUZZ_CHECK(rokuyoOf(date) <= 6 && (rokuyoOf(date) == 0) == (date.monthCode == 0));
        }
    }
    FUZZ_CHECK(findOldDate(months, months.back().start) == OldDate{});
    return 0;
}
