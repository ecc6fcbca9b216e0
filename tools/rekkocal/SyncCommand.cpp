// SPDX-License-Identifier: GPL-3.0-or-later
// The sync command: one sync of the data folder with the CalDAV calendar of Rekko's settings, under the data-folder
// lock; with --dry-run only what it would send and receive.
#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"

#include "app/AppFolders.h"
#include "platform/FolderLock.h"
#include "sync/SyncSettings.h"

#include <filesystem>

namespace rekko::cli {

namespace fs = std::filesystem;

int syncCommand(const Args& arguments, const Environment& environment, Terminal& terminal) {
    Args args = arguments;
    const bool dryRun = TakeFlag(args, "--dry-run");
    ExpectCount(args, 0, 0, "sync [--dry-run]");
    const Settings settings = ProgramSettings(environment.programFolder);
    std::error_code error;
    const fs::path folder = fs::absolute(DataFolderPath(settings.edFolder), error).lexically_normal();
    const FileSet files = BuildFileSet(environment.programFolder, FolderText(folder));
    SyncTable table = MakeSyncTable();
    if (const Status read = ReadSettingsFile(table, files.settings); !read)
        throw DataError(files.settings.string() + ": " + read.error().cause);
    const SyncSettings& sync = table.values();
    if (sync.Server.empty() || sync.Calendar.empty())
        throw DataError(files.settings.string() + ": no server or calendar in section Sync");
    if (!environment.sync || !environment.sync->services.available())
        throw DataError("sync is not available in this build");

    FlockFolderLock lock;
    const FolderClaim claim = lock.claim(folder);
    if (claim.outcome == FolderClaimOutcome::Busy) {
        terminal.err << "rekkocal: " << folder.string() << " is in use by Rekko\n";
        return kExitBusy;
    }
    if (claim.outcome == FolderClaimOutcome::Missing)
        throw DataError(folder.string() + ": no such folder");
    if (claim.outcome == FolderClaimOutcome::Refused)
        terminal.err << "rekkocal: " << folder.string() << " cannot be locked (" << claim.cause
                     << "), syncing all the same\n";

    const auto password = environment.sync->secrets.lookup(sync.Server, sync.User);
    if (!password)
        throw DataError("no secret service to read the password from: " + password.error().cause);
    if (!password.value())
        throw DataError("no password kept for " + sync.User + " at " + sync.Server + " (set it in Rekko)");
    const SyncServices& services = environment.sync->services;
    const auto server = services.connect(AccountOf(sync, *password.value()));
    SyncRequest request;
    request.files = files;
    request.specialDays = fs::current_path(error) / kSpecialDayFileName;
    request.calendar = sync.Calendar;
    request.dryRun = dryRun;
    request.utcNow = environment.clock.utcNow();
    const SyncReport report = services.run(request, *server);
    for (const std::string& line : report.plan)
        terminal.out << line << '\n';
    if (report.massDeletion && !dryRun) {
        terminal.err << "rekkocal: stopped: the sync would delete more than half of the events of one side (sync "
                        "from Rekko to confirm)\n";
        return kExitData;
    }
    (report.failed ? terminal.err : terminal.out) << services.statusText(report) << '\n';
    return report.failed ? kExitData : kExitOk;
}

} // namespace rekko::cli
