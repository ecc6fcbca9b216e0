// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 932 text files: reading with the CR/LF/CR LF and 0x1A rules, writing with CR LF and the bytes read.
#include "TextFile.h"

#include "AtomicWrite.h"
#include "Cp932.h"
#include "FileDescriptor.h"
#include "FileEntry.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace rekko {

namespace {

constexpr size_t kBlockSize = 65536;
constexpr std::string_view kLineEnd = "\r\n";

Failure tooLarge(const std::filesystem::path& path) {
    return Failure{"ファイルが大きすぎます（64 MiB まで）", path.string()};
}

// Finds the lines of a text: each ends at CR LF, CR or LF; a last line without a line end counts.
std::vector<std::pair<size_t, size_t>> lineSpans(std::string_view text) {
    std::vector<std::pair<size_t, size_t>> spans;
    size_t start = 0;
    // One pass over the bytes; find_first_of with a set of two looks each byte up in the set, several times slower.
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        spans.push_back({start, i - start});
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        spans.push_back({start, text.size() - start});
    return spans;
}

// Returns where the text of a file's bytes ends: at the end-of-file mark 0x1A, or at the end. 0x1A, CR and LF are
// never the second byte of a code page 932 character, so the end of the text and the lines can be found in the bytes
// and in the decoded text alike, and the n-th line of one is the n-th of the other.
size_t endOfText(std::string_view bytes) {
    return std::min(bytes.find('\x1A'), bytes.size());
}

} // namespace

TextLines ParseTextBytes(std::string_view bytes) {
    const size_t mark = endOfText(bytes);
    TextLines result;
    result.m_bytes.assign(bytes.substr(0, mark));
    result.m_tail.assign(bytes.substr(mark));
    const std::string text = DecodeCp932(result.m_bytes);
    for (const auto& [start, length] : lineSpans(text))
        result.m_lines.emplace_back(text, start, length);
    result.m_spans = lineSpans(result.m_bytes);
    return result;
}

std::vector<std::string_view> LineBytes(std::string_view bytes) {
    const std::string_view text = bytes.substr(0, endOfText(bytes));
    std::vector<std::string_view> lines;
    for (const auto& [start, length] : lineSpans(text))
        lines.push_back(text.substr(start, length));
    return lines;
}

std::vector<std::string_view> TextLines::lineBytes() const {
    std::vector<std::string_view> lines;
    lines.reserve(m_spans.size());
    for (const auto& [start, length] : m_spans)
        lines.push_back(std::string_view(m_bytes).substr(start, length));
    return lines;
}

bool TextLines::readFrom(std::string_view bytes) const {
    return bytes.size() == m_bytes.size() + m_tail.size() && bytes.starts_with(m_bytes) && bytes.ends_with(m_tail);
}

bool TextLines::unchanged(std::span<const std::string> lines) const {
    return std::equal(lines.begin(), lines.end(), m_lines.begin(), m_lines.end());
}

Result<std::string> TextLines::compose(std::span<const std::string> lines) const {
    std::string bytes;
    bytes.reserve(m_bytes.size() + m_tail.size() + 2 * lines.size());
    // The lines read, unchanged: each lends its own bytes in its own place, with no lookup and nothing to encode.
    if (unchanged(lines)) {
        for (const auto& [start, length] : m_spans)
            (bytes += std::string_view(m_bytes).substr(start, length)) += kLineEnd;
        bytes += m_tail;
        return bytes;
    }
    // The lines read with each text, in file order, and how many of them have lent their bytes.
    std::unordered_map<std::string_view, std::pair<std::vector<size_t>, size_t>> readLines;
    readLines.reserve(m_spans.size());
    for (size_t i = 0; i < m_spans.size(); ++i)
        readLines[m_lines[i]].first.push_back(i);

    std::string toEncode; // the lines since the last line written with its own bytes
    auto encodePending = [&]() -> Status {
        auto encoded = EncodeCp932(toEncode);
        if (!encoded)
            return encoded.error();
        bytes += encoded.value();
        toEncode.clear();
        return Success();
    };
    for (const std::string& line : lines) {
        const auto found = readLines.find(line);
        if (found == readLines.end() || found->second.second == found->second.first.size()) {
            (toEncode += line) += kLineEnd;
            continue;
        }
        if (const Status encoded = encodePending(); !encoded)
            return encoded.error();
        const auto [start, length] = m_spans[found->second.first[found->second.second++]];
        (bytes += std::string_view(m_bytes).substr(start, length)) += kLineEnd;
    }
    if (const Status encoded = encodePending(); !encoded)
        return encoded.error();
    bytes += m_tail;
    return bytes;
}

Result<std::string> ReadFileBytes(const std::filesystem::path& path) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer; it is refused below like every other special file.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return Failure{PathFailureCause(path, errno), path.string()};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return Failure{PathFailureCause(path, errno), path.string()};
    if (!S_ISREG(info.st_mode))
        return Failure{kNotRegularFileCause, path.string()};
    if (static_cast<uintmax_t>(info.st_size) > kMaxReadBytes)
        return tooLarge(path);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char block[kBlockSize];
    for (;;) {
        const ssize_t got = ::read(file.get(), block, sizeof block);
        if (got == 0)
            return bytes;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Failure{std::string("読み込みに失敗しました: ") + std::strerror(errno), path.string()};
        }
        // The file may grow while it is read.
        if (bytes.size() + static_cast<size_t>(got) > kMaxReadBytes)
            return tooLarge(path);
        bytes.append(block, static_cast<size_t>(got));
    }
}

Result<TextLines> ReadTextFile(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        return bytes.error();
    return ParseTextBytes(bytes.value());
}

namespace {

Result<std::string> composeFor(const std::filesystem::path& path, const TextLines& read,
                               std::span<const std::string> lines) {
    auto bytes = read.compose(lines);
    if (!bytes) {
        Failure failure = bytes.error();
        failure.path = path.string();
        return failure;
    }
    return bytes;
}

} // namespace

Status TextLines::save(const std::filesystem::path& path, std::span<const std::string> lines) {
    auto bytes = composeFor(path, *this, lines);
    if (!bytes)
        return bytes.error();
    if (Status written = WriteFileAtomically(path, bytes.value()); !written)
        return written;
    *this = ParseTextBytes(bytes.value());
    return Success();
}

Status WriteTextFile(const std::filesystem::path& path, std::span<const std::string> lines, const TextLines& read,
                     std::optional<std::filesystem::perms> permissions) {
    auto bytes = composeFor(path, read, lines);
    if (!bytes)
        return bytes.error();
    return WriteFileAtomically(path, bytes.value(), permissions);
}

} // namespace rekko
