// SPDX-License-Identifier: GPL-3.0-or-later
// The export command: a month's lines as the maintenance window writes them, as text or CSV.
#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"

#include "base/FileEntry.h"
#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "files/UserFiles.h"
#include "maintenance/TextExport.h"

namespace rekko::cli {

int exportCommand(const Args& arguments, const Environment& environment, Terminal& terminal) {
    constexpr const char* kUsage = "export YYYY MM --text|--csv [FILE] [--builtin]";
    Args args = arguments;
    const bool text = TakeFlag(args, "--text");
    const bool csv = TakeFlag(args, "--csv");
    ScheduleBook book;
    LoadRules(book, args, terminal);
    ExpectCount(args, 2, 3, kUsage);
    if (text == csv)
        throw UsageError(std::string("one of --text and --csv: ") + kUsage);
    const auto year = static_cast<int32_t>(ParseInteger(args[0], kFirstYear, kLastYear, "year"));
    const auto month = static_cast<int>(ParseInteger(args[1], 1, 12, "month"));
    const std::string name = MonthFileName(year, month);
    if (!FileEntryExists(DataFolderOf(environment.programFolder) / name))
        throw DataError(name + ": no such month file in the data folder");
    const TextLines read = ReadDataFile(environment, name, terminal);
    const auto lines =
        MonthExportLines(year, month, read.lines(), book.rules(), csv ? ExportFormat::Csv : ExportFormat::Text);
    if (!lines)
        throw DataError(name + ": " + lines.error().cause);
    if (args.size() == 3) {
        if (const Status written = WriteTextFile(args[2], lines.value()); !written)
            throw DataError(args[2] + ": " + written.error().cause);
        return kExitOk;
    }
    for (const std::string& line : lines.value())
        terminal.out << line << '\n';
    return kExitOk;
}

} // namespace rekko::cli
