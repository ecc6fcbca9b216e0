// SPDX-License-Identifier: GPL-3.0-or-later
// Windows profile files ("Sorel.ini", "Cmr.myc"): [section] and key=value lines in code page 932, edited in place.
#pragma once

#include "Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// A profile file kept as its raw lines. Names are matched ignoring ASCII letter case, as Windows does; only the
// first section of a name and the first key of a name in it count. Writing a key changes only that key's line (or
// adds one), so sections, keys, comments and malformed lines the program does not own survive a save byte for byte.
class ProfileFile {
public:
    // Splits raw bytes into lines; never fails, whatever the bytes are.
    static ProfileFile FromBytes(std::string_view bytes);

    // Reads a profile file. A missing file gives an empty profile; any other read failure is returned.
    static Result<ProfileFile> Load(const std::filesystem::path& path);

    // Returns the value of a key as UTF-8, blanks around it and one pair of enclosing quotes removed;
    // nothing when the section or the key is missing or the line has no "=".
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;

    // Sets a key's value. A value that reads as the given one leaves the line as it is, bytes and all; a missing key
    // is added after the last non-blank line of its section; a missing section is added at the end. Fails, changing
    // nothing, for a value with a line break or a character code page 932 cannot hold.
    Status writeString(std::string_view section, std::string_view key, std::string_view value);

    // Returns the whole file as bytes.
    std::string bytes() const;

    // Writes the whole file atomically; on failure the old file stays as it was.
    Status save(const std::filesystem::path& path) const;

private:
    struct Line {
        std::string text; // raw bytes without the line end
        std::string end;  // "\r\n", "\n", "\r", or "" for a last line without one
    };
    struct SectionRange {
        size_t header = 0; // line index of the [section] line
        size_t end = 0;    // one past the last line before the next header
    };

    std::optional<SectionRange> findSection(std::string_view name) const;
    std::optional<size_t> findKey(const SectionRange& range, std::string_view key) const;
    void insertLine(size_t at, std::string text);

    std::vector<Line> m_lines;
};

} // namespace rekko
