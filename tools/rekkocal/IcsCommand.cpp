// SPDX-License-Identifier: GPL-3.0-or-later
// The ics command: the schedule of a span of days as iCalendar, on the standard output or into a file.
#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"

#include "base/AtomicWrite.h"
#include "files/UserFiles.h"
#include "sync/IcsExport.h"

#include <filesystem>

namespace rekko::cli {

int icsCommand(const Args& arguments, const Environment& environment, Terminal& terminal) {
    Args args = arguments;
    ScheduleBook book;
    LoadRules(book, args, terminal);
    const bool holidays = TakeFlag(args, "--holidays");
    const bool force = TakeFlag(args, "--force");
    ExpectCount(args, 2, 3, "ics YYYY-MM-DD YYYY-MM-DD [FILE] [--holidays] [--force] [--builtin]");
    const int32_t from = ParseDate(args[0]);
    const int32_t to = ParseDate(args[1]);
    if (to < from)
        throw UsageError("the second date lies before the first");
    const std::filesystem::path target = args.size() > 2 ? environment.startedIn / args[2] : "";
    std::error_code error;
    if (!target.empty() && std::filesystem::exists(target, error) && !force)
        throw DataError(args[2] + " exists (--force overwrites it)");
    book.loadPeriods(ReadDataFile(environment, kPeriodFileName, terminal));
    const auto months = [&](int32_t year, int month) {
        return ReadDataFile(environment, MonthFileName(year, month), terminal).lines();
    };
    const IcsExport exported = ExportIcs(book, months, from, to, holidays, environment.clock.utcNow());
    if (exported.skipped > 0)
        terminal.err << "rekkocal: " << exported.skipped << " malformed lines skipped\n";
    if (args.size() < 3) {
        terminal.out << exported.text;
        return kExitOk;
    }
    const Status written = WriteFileAtomically(target, exported.text);
    if (!written)
        throw DataError(args[2] + ": " + written.error().cause);
    terminal.err << "rekkocal: " << exported.events << " events written to " << args[2] << '\n';
    return kExitOk;
}

} // namespace rekko::cli
