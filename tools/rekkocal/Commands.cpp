// SPDX-License-Identifier: GPL-3.0-or-later
// The rekkocal commands and their dispatch.
#include "Commands.h"

#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"

#include "base/Cp932.h"

#include <functional>
#include <map>
#include <sstream>

namespace rekko::cli {

namespace {

constexpr const char* kUsage =
    "usage: rekkocal COMMAND [ARGS]\n"
    "commands:\n"
    "  jd YYYY-MM-DD                     the day number of a date\n"
    "  date N                            the date of a day number\n"
    "  count YYYY-MM-DD YYYY-MM-DD [--period]\n"
    "                                    the day count of the year page: days from the\n"
    "                                    first date to the second, negative backwards\n"
    "                                    (both ends counted with --period)\n"
    "  month [YYYY MM] [--rokuyo] [--lines] [--builtin]\n"
    "                                    a month calendar, this month by default, each\n"
    "                                    week followed by the rokuyo of its days (with\n"
    "                                    --rokuyo) and their holidays and anniversaries,\n"
    "                                    schedule lines and periods (with --lines)\n"
    "  day YYYY-MM-DD [--builtin]        a day's kind, names, old-calendar month code\n"
    "                                    (100 + m for a leap month), old day, rokuyo,\n"
    "                                    solar term, seasonal day, the day's and year's\n"
    "                                    sexagenary cycle (the year from 1 January and\n"
    "                                    from 立春), almanac marks and schedule lines\n"
    "  holidays YEAR [YEAR2] [--builtin] the holidays of a span of years\n"
    "  sekki FROM_YEAR TO_YEAR           the 24 solar terms of the years (1873..2100),\n"
    "                                    one YYYY-MM-DD<TAB>name line each, in date order\n"
    "  year YYYY [--from M] [--rokuyo] [--builtin]\n"
    "                                    the twelve months of the year page, from the\n"
    "                                    first month of Rekko's settings or month M\n"
    "  record                            the start-and-stop record as a table\n"
    "  clock SOURCE                      fetches the time once, never setting the clock:\n"
    "                                    the difference of this clock (seconds), the\n"
    "                                    source's time and the log lines of a correction;\n"
    "                                    SOURCE is a choice of the clock settings 1..5,\n"
    "                                    http://host[:port]/path or ntp://host[:port]\n"
    "  export YYYY MM --text|--csv [FILE] [--builtin]\n"
    "                                    a month as the maintenance window exports it:\n"
    "                                    one line per day, space-separated text or CSV,\n"
    "                                    to FILE in code page 932 with CR LF, else to\n"
    "                                    standard output\n"
    "  ics YYYY-MM-DD YYYY-MM-DD [FILE] [--holidays] [--force] [--builtin]\n"
    "                                    the schedule lines, periods and anniversaries of\n"
    "                                    the days as iCalendar, on the standard output or\n"
    "                                    into FILE (an existing one only with --force);\n"
    "                                    with --holidays the holidays as a second calendar\n"
    "  xlsx YYYY MM FILE [--builtin]     a month as the maintenance window's workbook,\n"
    "                                    from the shipped Sorxl.xlsx, with the page's\n"
    "                                    options of Rekko's Sorel.ini\n"
    "  sync [--dry-run]                  one two-way sync of the data folder with the CalDAV\n"
    "                                    calendar of Rekko's settings (the password from the\n"
    "                                    desktop's secret store); prints what it sends (>)\n"
    "                                    and receives (<) and the result; with --dry-run\n"
    "                                    changes nothing; exit 3 while Rekko holds the folder\n"
    "  --help                            this list\n"
    "The month, day, year, holidays, export, ics and xlsx commands read Hday.dat and Sday.myc from the\n"
    "current directory (the built-in holiday rules without Hday.dat); --builtin uses the\n"
    "built-in rules and no special days. Schedule lines come from the data folder named in\n"
    "Rekko's Sorel.ini, or the current directory; the record is SorelSte.myd of Rekko's\n"
    "program folder.\n";

} // namespace

namespace {

int runCommand(const Args& args, const Environment& environment, Terminal& terminal) {
    using Command = std::function<int(const Args&, const Environment&, Terminal&)>;
    static const std::map<std::string, Command> commands = {
        {"jd", jdCommand},       {"date", dateCommand},         {"count", countCommand}, {"month", monthCommand},
        {"day", dayCommand},     {"holidays", holidaysCommand}, {"year", yearCommand},   {"record", recordCommand},
        {"clock", clockCommand}, {"export", exportCommand},     {"ics", icsCommand},     {"xlsx", xlsxCommand},
        {"sekki", sekkiCommand}, {"sync", syncCommand}};
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? terminal.err : terminal.out) << kUsage;
        return args.empty() ? kExitUsage : kExitOk;
    }
    const auto command = commands.find(args[0]);
    if (command == commands.end()) {
        terminal.err << "rekkocal: unknown command '" << args[0] << "' (see rekkocal --help)\n";
        return kExitUsage;
    }
    try {
        return command->second(Args(args.begin() + 1, args.end()), environment, terminal);
    } catch (const UsageError& e) {
        terminal.err << "rekkocal: " << e.what() << '\n';
        return kExitUsage;
    } catch (const DataError& e) {
        terminal.err << "rekkocal: " << e.what() << '\n';
        return kExitData;
    }
}

} // namespace

int Run(const Args& args, const Environment& environment, Terminal& terminal) {
    // The output is held until the command is done: a failed command prints only its message, and file text is
    // made printable on the way out.
    std::ostringstream out, err;
    Terminal held{out, err, terminal.interactive};
    const int code = runCommand(args, environment, held);
    if (code == kExitOk)
        terminal.out << PrintableText(out.str());
    terminal.err << PrintableText(err.str());
    return code;
}

} // namespace rekko::cli
