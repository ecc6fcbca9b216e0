// SPDX-License-Identifier: GPL-3.0-or-later
// The date commands: day numbers, dates, day counts and the month calendar.
#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"
#include "MonthText.h"

#include "month/PeriodStore.h"

#include "calendar/Julius.h"
#include "files/UserFiles.h"
#include "year/DayCount.h"

namespace rekko::cli {

int jdCommand(const Args& args, const Environment&, Terminal& terminal) {
    ExpectCount(args, 1, 1, "jd YYYY-MM-DD");
    terminal.out << ParseDate(args[0]) << '\n';
    return kExitOk;
}

int dateCommand(const Args& args, const Environment&, Terminal& terminal) {
    ExpectCount(args, 1, 1, "date N");
    const int32_t last = EncodeJuliusDay(kLastYear, 12, 31);
    terminal.out << FormatDate(static_cast<int32_t>(ParseInteger(args[0], 0, last, "day number"))) << '\n';
    return kExitOk;
}

int countCommand(const Args& args, const Environment&, Terminal& terminal) {
    Args dates = args;
    const bool period = TakeFlag(dates, "--period");
    ExpectCount(dates, 2, 2, "count YYYY-MM-DD YYYY-MM-DD [--period]");
    // The day count of the year page: "期間" counts both ends.
    terminal.out << DayCount(ParseDate(dates[0]), ParseDate(dates[1]),
                             period ? DayCountMethod::Period : DayCountMethod::Days)
                 << '\n';
    return kExitOk;
}

int monthCommand(const Args& arguments, const Environment& environment, Terminal& terminal) {
    Args args = arguments;
    const bool rokuyo = TakeFlag(args, "--rokuyo");
    const bool lines = TakeFlag(args, "--lines");
    ScheduleBook book;
    MonthGrid grid(DateTimeToJuliusDay(environment.clock.now()), book);
    LoadRules(book, args, terminal);
    if (!args.empty()) {
        ExpectCount(args, 2, 2, "month [YYYY MM] [--rokuyo] [--lines] [--builtin]");
        const auto year = static_cast<int32_t>(ParseInteger(args[0], kFirstYear, kLastYear, "year"));
        grid.goToYearMonth(year, static_cast<int>(ParseInteger(args[1], 1, 12, "month")), 1);
    }
    MonthGridOptions options = grid.options();
    options.ShowRokuyo = rokuyo;
    grid.setOptions(options);
    if (lines) {
        book.setSlotMonth(0, grid.Year(), grid.Month());
        book.loadSlot(0, ReadDataFile(environment, MonthFileName(grid.Year(), grid.Month()), terminal));
        // Only the periods touching the 31 days from the month's first are decoded; the text shows no others.
        const int32_t first = EncodeJuliusDay(grid.Year(), grid.Month(), 1);
        book.viewPeriods(
            PeriodListTouching(ReadDataFileBytes(environment, kPeriodFileName, terminal), first, first + 30));
    }
    terminal.out << MonthText(grid, terminal.interactive, lines);
    return kExitOk;
}

} // namespace rekko::cli
