// SPDX-License-Identifier: GPL-3.0-or-later
// Copies of what an end without questions could not save, and the note that tells the next start about them.
#pragma once

#include "base/SaveReport.h"

#include "calendar/Julius.h"

#include <filesystem>
#include <optional>
#include <string>

namespace rekko {

class UnsavedRescue {
public:
    // root is the folder that holds one dated folder per end that needed a rescue ("<user data>/rescue").
    explicit UnsavedRescue(std::filesystem::path root) : m_root(std::move(root)) {}

    // Writes the content of each rescuable file of the report into root/<yyyymmdd-hhmmss>/ (folders 0700, copies
    // 0600) under the name its writer gives, notes the rescued files for the next start, and returns the report for
    // standard error: each file not saved with its cause, then the folder of the copies and what could not be copied
    // there. When no copy could be written the dated folder goes again and nothing is noted.
    std::string rescue(const SaveReport& report, LocalDateTime now);

    // For a save that merged files with what changed on disk: writes what the disk held and was not merged from into
    // root/<yyyymmdd-hhmmss>/ and returns the message naming each merged file, what happened to it and that folder.
    std::string keepMerged(const SaveReport& report, LocalDateTime now);
    // Notes a merge message for the next start, when nobody saw it, and returns it for standard error.
    std::string noteMerged(const std::string& message);

    // Returns the message naming the files that earlier ends could not save and the folders of their copies, and
    // what earlier saves merged unseen, and removes the notes; nothing when no note waits.
    std::optional<std::string> takeNotice();

private:
    std::filesystem::path noteFile() const { return m_root / "unreported.txt"; }
    std::filesystem::path mergeNoteFile() const { return m_root / "merged.txt"; }

    std::filesystem::path m_root;
};

} // namespace rekko
