// SPDX-License-Identifier: GPL-3.0-or-later
// The year page's commands: the twelve months of a year and the start-and-stop table.
#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"
#include "MonthText.h"

#include "app/StartStopTable.h"
#include "files/UserFiles.h"
#include "year/YearSpan.h"

#include <algorithm>
#include <system_error>

namespace rekko::cli {

namespace {

// Answers every question of the record table with No, so the whole record is shown; remembers that one came.
class ContinuingDialogs : public Dialogs {
public:
    DialogAnswer show(const DialogMessage&) override {
        asked = true;
        return DialogAnswer::No;
    }
    bool asked = false;
};

} // namespace

int yearCommand(const Args& arguments, const Environment& environment, Terminal& terminal) {
    Args args = arguments;
    const bool rokuyo = TakeFlag(args, "--rokuyo");
    ScheduleBook book;
    MonthGrid grid(DateTimeToJuliusDay(environment.clock.now()), book);
    LoadRules(book, args, terminal);
    const Settings settings = ProgramSettings(environment.programFolder);
    int firstMonth = FirstMonthOf(FirstMonthRuleOf(settings.rgYFirstMonth), settings.SpHajimariTuki);
    if (const auto from = std::find(args.begin(), args.end(), "--from"); from != args.end()) {
        if (from + 1 == args.end())
            throw UsageError("--from needs a month 1-12");
        firstMonth = static_cast<int>(ParseInteger(*(from + 1), 1, 12, "first month"));
        args.erase(from, from + 2);
    }
    ExpectCount(args, 1, 1, "year YYYY [--from M] [--rokuyo] [--builtin]");
    const auto year = static_cast<int32_t>(ParseInteger(args[0], 0, kLastYear - 1, "year"));
    MonthGridOptions options = grid.options();
    options.ShowRokuyo = rokuyo;
    grid.setOptions(options);
    const std::array<YearMonth, 12> span = YearSpan(year, firstMonth);
    std::string text = SpanLabel(span) + "\n";
    for (const YearMonth& month : span) {
        grid.goToYearMonth(month.year, month.month, 1);
        text += "\n" + MonthText(grid, terminal.interactive);
    }
    terminal.out << text;
    return kExitOk;
}

int recordCommand(const Args& args, const Environment& environment, Terminal& terminal) {
    ExpectCount(args, 0, 0, "record");
    const std::filesystem::path file = BuildFileSet(environment.programFolder, {}).startStopRecord;
    std::vector<std::string> lines;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        terminal.err << "rekkocal: " << file.string() << ": no start-and-stop record\n";
    } else if (auto record = ReadTextFile(file); !record) {
        terminal.err << "rekkocal: " << file.string() << ": " << record.error().cause << '\n';
    } else {
        lines = record.value().lines();
    }
    ContinuingDialogs dialogs;
    terminal.out << StartStopTableText(StartStopRows(lines, dialogs));
    if (dialogs.asked)
        terminal.err << "rekkocal: some dates of the record do not read; they show as 不明\n";
    return kExitOk;
}

} // namespace rekko::cli
