// Code page 932 text files: reading with the CR/LF/CR LF and 0x1A rules, writing with CR LF.
#include "TextFile.h"

#include "AtomicWrite.h"
#include "Cp932.h"
#include "FileEntry.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rekko {

namespace {

constexpr size_t kBlockSize = 65536;

Failure tooLarge(const std::filesystem::path& path) {
    return Failure{"ファイルが大きすぎます（64 MiB まで）", path.string()};
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

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
