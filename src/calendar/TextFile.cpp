// Code page 932 text files: reading with the CR/LF/CR LF and 0x1A rules, writing with CR LF.
#include "TextFile.h"

#include "AtomicWrite.h"
#include "Cp932.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace rekko {

namespace {

constexpr size_t kBlockSize = 8192;

} // namespace

TextLines ParseTextBytes(std::string_view bytes) {
    // 0x1A is never a trail byte of code page 932, so it can be looked for before decoding.
    bytes = bytes.substr(0, bytes.find('\x1A'));
    const std::string text = DecodeCp932(bytes);
    TextLines result;
    result.lastLineEnd.clear();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            result.lines.emplace_back(text, start);
            result.lastLineEnd.clear();
            break;
        }
        result.lines.emplace_back(text, start, end - start);
        const size_t endLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        result.lastLineEnd.assign(text, end, endLength);
        start = end + endLength;
    }
    return result;
}

Result<std::string> ComposeTextBytes(const TextLines& text) {
    std::string joined;
    size_t size = text.lastLineEnd.size();
    for (const auto& line : text.lines)
        size += line.size() + 2;
    joined.reserve(size);
    for (size_t i = 0; i < text.lines.size(); ++i) {
        joined += text.lines[i];
        joined += i + 1 < text.lines.size() ? std::string_view("\r\n") : std::string_view(text.lastLineEnd);
    }
    return EncodeCp932(joined);
}

Result<std::string> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Failure{std::strerror(errno), path.string()};
    std::string bytes;
    char block[kBlockSize];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        bytes.append(block, static_cast<size_t>(in.gcount()));
    if (in.bad())
        return Failure{"読み込みに失敗しました", path.string()};
    return bytes;
}

Result<TextLines> ReadTextFile(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        return bytes.error();
    return ParseTextBytes(bytes.value());
}

Status WriteTextFile(const std::filesystem::path& path, const TextLines& text) {
    auto bytes = ComposeTextBytes(text);
    if (!bytes) {
        Failure failure = bytes.error();
        failure.path = path.string();
        return failure;
    }
    return WriteFileAtomically(path, bytes.value());
}

} // namespace rekko
