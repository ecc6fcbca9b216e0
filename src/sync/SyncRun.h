// SPDX-License-Identifier: GPL-3.0-or-later
// One two-way sync of the saved schedule files with a calendar on the server, and what it did.
#pragma once

#include "CalendarServer.h"

#include "base/LocalDateTime.h"
#include "files/UserFiles.h"

#include <string>
#include <vector>

namespace rekko {

struct SyncRequest {
    FileSet files{};                     // the data folder's month files, the period file and "CaSync.myc" beside them
    std::filesystem::path specialDays{}; // the working folder's anniversaries, sent up only
    std::string calendar{};              // the href of the calendar synced with
    bool dryRun = false;                 // decide and report, change nothing here or there
    bool allowMassDeletion = false;      // go on when more than half of either side's events would be deleted
    LocalDateTime utcNow = 0;            // the UTC time the events sent are stamped with (DTSTAMP)
};

struct SyncReport {
    ServerFault fault = ServerFault::None; // the server's fault that ended the sync; nothing here changed then
    std::string message{};                 // the fault's message, or a local failure's
    bool failed = false;                   // ended by a fault or a local failure
    bool massDeletion = false;             // stopped before changing anything: it would delete more than half
    int sent = 0;                          // events written to the server
    int received = 0;                      // lines written here from the server's events
    int deletedHere = 0;
    int deletedThere = 0;
    int conflicts = 0;                           // server versions kept as new lines marked "（競合）"
    int unmappable = 0;                          // characters code page 932 cannot hold, written as 〓
    std::vector<std::string> recurringSkipped{}; // summaries of recurring events made elsewhere, not imported
    std::vector<std::string> plan{};             // one line per change, sent (">") or received ("<"), for a dry run
};

// Syncs the saved files with the calendar: takes each change from the side that made it, keeps both versions of a
// line changed on both sides, and writes local files through the merge with what changed on disk meanwhile.
SyncReport RunSync(const SyncRequest& request, CalendarServer& server);

// Returns the status-bar text of a finished sync.
std::string SyncStatusText(const SyncReport& report);

} // namespace rekko
