// SPDX-License-Identifier: GPL-3.0-or-later
// The access log "Jikoku.txt": the entries of the correction runs, oldest first, trimmed to a number of lines.
#pragma once

#include "base/Result.h"
#include "base/TextFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

class AccessLog {
public:
    // Reads the log; a missing or unreadable file gives an empty log.
    explicit AccessLog(std::filesystem::path file);

    const std::vector<std::string>& lines() const { return m_lines; }

    // Appends an entry (lines joined by "\r\n") and drops the oldest lines beyond the length given.
    void add(std::string_view entry, int maxLines);

    // Writes the whole log over the file unless it is empty.
    Status save();

private:
    std::filesystem::path m_file;
    TextLines m_read;
    std::vector<std::string> m_lines;
};

} // namespace rekko
