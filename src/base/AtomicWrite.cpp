// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic whole-file writes through a temporary file and rename, and the clean-up of their stale temporaries.
#include "AtomicWrite.h"

#include "FileEntry.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace rekko {

namespace fs = std::filesystem;

namespace {

// mkstemp replaces these six characters with letters and digits.
constexpr std::string_view kTemporarySuffix = ".XXXXXX";

Failure failureOf(const std::string& what, const fs::path& path) {
    return Failure{what + ": " + std::strerror(errno), path.string()};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Returns the name a temporary ".<name>.XXXXXX" was made for, or nothing for any other name.
std::optional<std::string_view> temporaryOf(std::string_view entry) {
    const size_t stem = entry.size() - kTemporarySuffix.size();
    if (entry.size() < 2 + kTemporarySuffix.size() || entry[0] != '.' || entry[stem] != '.')
        return std::nullopt;
    for (const char c : entry.substr(stem + 1)) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return entry.substr(1, stem - 1);
}

size_t removeTemporaries(const fs::path& folder, const std::function<bool(std::string_view)>& isOurs) {
    size_t removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        const auto name = temporaryOf(entry);
        std::error_code kindError;
        if (name && isOurs(*name) && it->symlink_status(kindError).type() == fs::file_type::regular &&
            fs::remove(it->path(), kindError))
            ++removed;
    }
    return removed;
}

} // namespace

Status WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const auto resolved = ResolveLink(path);
    if (!resolved)
        return resolved.error();
    const fs::path& target = resolved.value();
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return Failure{kNotRegularFileCause, path.string()};

    const fs::path folder = folderOf(target);
    std::string temp = (folder / ("." + path.filename().string() + std::string(kTemporarySuffix))).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return failureOf("一時ファイルを作れません", path);

    const mode_t mode = replacing ? (old.st_mode & 07777) : (0666 & ~currentUmask());
    bool ok = ::fchmod(fd, mode) == 0 || errno == EPERM;
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) {
        const Failure failure = failureOf("書き込めません", path);
        ::close(fd);
        ::unlink(temp.c_str());
        return failure;
    }
    if (::close(fd) != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
        const Failure failure = failureOf("書き込めません", path);
        ::unlink(temp.c_str());
        return failure;
    }
    // Make the rename itself durable; a failure here no longer risks the data.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return Success();
}

size_t RemoveStaleTemporaries(const fs::path& folder, const std::function<bool(std::string_view)>& isOurs) {
    size_t removed = removeTemporaries(folder, isOurs);
    std::error_code error;
    const fs::path here = fs::weakly_canonical(folder, error);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code kindError;
        if (!isOurs(name) || !it->is_symlink(kindError))
            continue;
        const auto target = ResolveLink(it->path());
        if (!target || folderOf(target.value()) == here)
            continue;
        removed += removeTemporaries(folderOf(target.value()), [&name](std::string_view of) { return of == name; });
    }
    return removed;
}

} // namespace rekko
