// SPDX-License-Identifier: GPL-3.0-or-later
// A data folder of the sync tests: its files written and read as lines, synced with a calendar of a server, and a
// snapshot of its bytes and inodes to see that a sync rewrote nothing.
#pragma once

#include "TempDir.h"

#include "base/TextFile.h"
#include "sync/SyncRun.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace rekko::test {

struct SyncFolder {
    explicit SyncFolder(std::string calendarHref) : calendar(std::move(calendarHref)) {}

    SyncReport sync(CalendarServer& server, bool dryRun = false, bool allowMassDeletion = false) const {
        return RunSync({.files = files,
                        .specialDays = dir / "Sday.myc",
                        .calendar = calendar,
                        .dryRun = dryRun,
                        .allowMassDeletion = allowMassDeletion,
                        .utcNow = 46000.5},
                       server);
    }
    void write(const std::string& name, const std::vector<std::string>& lines) const {
        ASSERT_TRUE(WriteTextFile(dir / name, lines).ok());
    }
    std::vector<std::string> lines(const std::string& name) const {
        const auto read = ReadTextFile(dir / name);
        return read ? read.value().lines() : std::vector<std::string>();
    }

    std::string calendar;
    TempDir dir;
    FileSet files = BuildFileSet(dir.path(), dir.path().string() + "/");
};

// The bytes and inode of each file of a folder.
inline std::map<std::string, std::pair<std::string, uintmax_t>> Snapshot(const SyncFolder& folder) {
    std::map<std::string, std::pair<std::string, uintmax_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.dir.path()))
        files[entry.path().filename().string()] = {ReadFile(entry.path()), InodeOf(entry.path())};
    return files;
}

} // namespace rekko::test
