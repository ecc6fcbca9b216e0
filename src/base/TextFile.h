// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 932 text files as lists of UTF-8 lines: the reader's line rules, and saving that keeps every byte the
// program did not change.
#pragma once

#include "Result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rekko {

// A text file as read: its lines in UTF-8, the bytes each line was read from and the bytes from the end-of-file
// mark (0x1A) on. Saving gives every line whose text was read its own bytes again, so that a line the user did not
// edit keeps its bytes, invalid ones and Windows duplicates included, wherever the list moved it.
class TextLines {
public:
    // Nothing read: saving encodes every line.
    TextLines() = default;

    const std::vector<std::string>& lines() const { return m_lines; }
    // Returns the bytes of each line read, without line ends.
    std::vector<std::string_view> lineBytes() const;

    // Answers whether lines are exactly the lines read, so that there is nothing to save.
    bool unchanged(std::span<const std::string> lines) const;

    // Answers whether a file's bytes are those these lines were read from or last written as.
    bool readFrom(std::string_view bytes) const;

    // Returns the bytes of a file holding the given lines, each ending in CR LF: a line whose text is that of a line
    // read is written with that line's bytes (each line read lends its bytes once, first ones first), any other
    // line is encoded; the bytes from the end-of-file mark on follow. Fails naming a character code page 932
    // cannot hold.
    Result<std::string> compose(std::span<const std::string> lines) const;

    // Writes the given lines (compose) to the file atomically and, once written, holds them as the lines read, so
    // that the next save compares with what the file now holds. On failure the old file and this stay as they were.
    Status save(const std::filesystem::path& path, std::span<const std::string> lines);

private:
    friend TextLines ParseTextBytes(std::string_view bytes);

    std::vector<std::string> m_lines;
    std::string m_bytes;                            // the bytes before the end-of-file mark
    std::vector<std::pair<size_t, size_t>> m_spans; // start and length of each line read in m_bytes
    std::string m_tail;                             // the bytes from the end-of-file mark on
};

// Splits code page 932 bytes into UTF-8 lines: a line ends at CR LF, CR or LF; the byte 0x1A ends the text; a last
// line without a line end is kept; empty lines are kept. Never fails: invalid bytes are carried.
TextLines ParseTextBytes(std::string_view bytes);

// Returns the bytes of each line ParseTextBytes finds in code page 932 bytes, without decoding them; decoding a line's
// bytes alone gives the text of that line.
std::vector<std::string_view> LineBytes(std::string_view bytes);

// Reads a whole code page 932 text file.
Result<TextLines> ReadTextFile(const std::filesystem::path& path);

// Writes lines as a whole code page 932 text file atomically, keeping the bytes of the lines the file was read
// with (read; empty for a new file), with the permissions given, if any, as WriteFileAtomically does. On failure the
// old file stays as it was.
Status WriteTextFile(const std::filesystem::path& path, std::span<const std::string> lines, const TextLines& read = {},
                     std::optional<std::filesystem::perms> permissions = std::nullopt);

// The largest file the readers take in; no data file of the program comes near it.
inline constexpr uintmax_t kMaxReadBytes = 64u * 1024 * 1024;

// Reads a whole file as bytes. Refuses, with a cause and the file's name, what is not a regular file (a FIFO, a
// device, a folder), a file over kMaxReadBytes, and a dangling or looping symbolic link; never waits for a writer.
Result<std::string> ReadFileBytes(const std::filesystem::path& path);

} // namespace rekko
