// SPDX-License-Identifier: GPL-3.0-or-later
// The local side of a sync: the saved month files, the period file and the anniversaries as events to match and
// send, and the changes the server's events make to those files, written through the merge with the disk.
#pragma once

#include "IcsEvents.h"
#include "SyncLines.h"
#include "SyncRun.h"

#include "base/Result.h"
#include "base/TextFile.h"
#include "book/MergingWrite.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

// One file of the sync as read, and the changes to write into it.
struct LocalFile {
    std::filesystem::path path{};
    TextLines read{};                 // as read; empty for a file that does not exist yet
    std::vector<std::string> lines{}; // as read
    int32_t year = 0;                 // of a month file; 0 for the others
    int month = 0;
    bool writable = true; // the anniversaries go up only
    LineMerger merger = MergeMonthLines;
    std::map<size_t, std::optional<std::string>> edits{}; // a line replaced, or removed (nothing)
    std::vector<std::string> added{};

    // Returns the lines with the edits made and the added lines at the end.
    std::vector<std::string> changed() const;
};

// One line of the local files that maps to an event.
struct LocalItem {
    SyncKind kind = SyncKind::Day;
    std::string place{};
    std::string key{};  // what it is matched by
    std::string hash{}; // TextDigest of key
    size_t file = 0;
    size_t line = 0;
    IcsEvent event{};
    bool claimed = false; // matched to an event already
};

class LocalSide {
public:
    // Reads the data folder's month files, its period file and the anniversaries; fails when one that exists cannot
    // be read. Period records of colour "D", empty day lines and lines that are not rules map to no event.
    static Result<LocalSide> read(const SyncRequest& request);

    std::vector<LocalItem>& items() { return m_items; }
    const LocalFile& fileOf(const LocalItem& item) const { return m_files[item.file]; }
    const std::string& lineOf(const LocalItem& item) const { return m_files[item.file].lines[item.line]; }

    // Puts a server's line in place of an item's line: in place when it stays in the same file, else removed here
    // and added at the end of its own file.
    void replace(const LocalItem& item, const DownLine& down);
    // Removes an item's line.
    void remove(const LocalItem& item);
    // Adds a server's line at the end of its file (its day's last line), the file made when missing.
    void add(const DownLine& down);
    // Answers whether any file is to be written.
    bool changed() const;

    // Writes every changed file through the merge with what changed on disk since it was read; stops at the first
    // failure.
    Status write();

private:
    LocalFile& monthFile(const CalendarDate& date);
    LocalFile& periodFile();
    std::string placed(LocalFile& file, const DownLine& down, std::optional<int> lineNumber);

    FileSet m_set;
    std::vector<LocalFile> m_files;
    std::vector<LocalItem> m_items;
};

} // namespace rekko
