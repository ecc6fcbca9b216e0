// Code page 932 text files as lists of UTF-8 lines: the reader's line rules and the writer's CR LF.
#pragma once

#include "Result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// The lines of a text file, and how its last line ended ("" when it had no line end), so that a file read and
// saved unchanged keeps its bytes.
struct TextLines {
    std::vector<std::string> lines;
    std::string lastLineEnd = "\r\n";
};

// Splits code page 932 bytes into UTF-8 lines: a line ends at CR LF, CR or LF; the byte 0x1A ends the text;
// a last line without a line end is kept; empty lines are kept. Never fails: invalid bytes are carried.
TextLines ParseTextBytes(std::string_view bytes);

// Joins lines with CR LF (the last one with its recorded end) and encodes them to code page 932.
Result<std::string> ComposeTextBytes(const TextLines& text);

// Reads a whole code page 932 text file.
Result<TextLines> ReadTextFile(const std::filesystem::path& path);

// Writes a whole code page 932 text file atomically; on failure the old file stays as it was.
Status WriteTextFile(const std::filesystem::path& path, const TextLines& text);

// The largest file the readers take in; no data file of the program comes near it.
inline constexpr uintmax_t kMaxReadBytes = 64u * 1024 * 1024;

// Reads a whole file as bytes. Refuses, with a cause and the file's name, what is not a regular file (a FIFO, a
// device, a folder), a file over kMaxReadBytes, and a dangling or looping symbolic link; never waits for a writer.
Result<std::string> ReadFileBytes(const std::filesystem::path& path);

} // namespace rekko
