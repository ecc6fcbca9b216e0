// The rekkocal commands and their dispatch.
#include "Commands.h"

#include "Arguments.h"
#include "MonthText.h"

#include "calendar/Julius.h"

#include <functional>
#include <map>

namespace rekko::cli {

namespace {

using Args = std::vector<std::string>;

constexpr const char* kUsage = "usage: rekkocal COMMAND [ARGS]\n"
                               "commands:\n"
                               "  jd YYYY-MM-DD                     the day number of a date\n"
                               "  date N                            the date of a day number\n"
                               "  count YYYY-MM-DD YYYY-MM-DD [--period]\n"
                               "                                    days between two dates (+1 with --period)\n"
                               "  month [YYYY MM]                   a month calendar, this month by default\n"
                               "  --help                            this list\n";

void expectCount(const Args& args, size_t min, size_t max, const char* usage) {
    if (args.size() < min || args.size() > max)
        throw UsageError(std::string("usage: rekkocal ") + usage);
}

int jdCommand(const Args& args, const Clock&, Terminal& terminal) {
    expectCount(args, 1, 1, "jd YYYY-MM-DD");
    terminal.out << ParseDate(args[0]) << '\n';
    return kExitOk;
}

int dateCommand(const Args& args, const Clock&, Terminal& terminal) {
    expectCount(args, 1, 1, "date N");
    const int32_t last = EncodeJuliusDay(kLastYear, 12, 31);
    terminal.out << FormatDate(static_cast<int32_t>(ParseInteger(args[0], 0, last, "day number"))) << '\n';
    return kExitOk;
}

int countCommand(const Args& args, const Clock&, Terminal& terminal) {
    Args dates;
    bool period = false;
    for (const auto& arg : args) {
        if (arg == "--period")
            period = true;
        else
            dates.push_back(arg);
    }
    expectCount(dates, 2, 2, "count YYYY-MM-DD YYYY-MM-DD [--period]");
    const int64_t days = static_cast<int64_t>(ParseDate(dates[1])) - ParseDate(dates[0]);
    terminal.out << days + (period ? 1 : 0) << '\n';
    return kExitOk;
}

int monthCommand(const Args& args, const Clock& clock, Terminal& terminal) {
    const int32_t today = DateTimeToJuliusDay(clock.now());
    const CalendarDate now = DecodeJuliusDay(today);
    int32_t year = now.year;
    int month = now.month;
    if (!args.empty()) {
        expectCount(args, 2, 2, "month [YYYY MM]");
        year = static_cast<int32_t>(ParseInteger(args[0], kFirstYear, kLastYear, "year"));
        month = static_cast<int>(ParseInteger(args[1], 1, 12, "month"));
    }
    terminal.out << MonthText(year, month, today, terminal.interactive);
    return kExitOk;
}

} // namespace

int Run(const Args& args, const Clock& clock, Terminal& terminal) {
    using Command = std::function<int(const Args&, const Clock&, Terminal&)>;
    static const std::map<std::string, Command> commands = {
        {"jd", jdCommand}, {"date", dateCommand}, {"count", countCommand}, {"month", monthCommand}};
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
        return command->second(Args(args.begin() + 1, args.end()), clock, terminal);
    } catch (const UsageError& e) {
        terminal.err << "rekkocal: " << e.what() << '\n';
        return kExitUsage;
    }
}

} // namespace rekko::cli
