// SPDX-License-Identifier: GPL-3.0-or-later
// Directory entries, symbolic links and the causes of names that cannot be used.
#include "FileEntry.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace rekko {

namespace fs = std::filesystem;

namespace {

bool isLink(const fs::path& path) {
    struct stat entry {};
    return ::lstat(path.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode);
}

} // namespace

bool FileEntryExists(const fs::path& path) {
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) == 0)
        return true;
    return errno != ENOENT && errno != ENOTDIR;
}

Result<fs::path> ResolveLink(const fs::path& path) {
    if (!isLink(path))
        return path;
    const std::unique_ptr<char, decltype(&std::free)> target(::realpath(path.c_str(), nullptr), &std::free);
    if (!target)
        return Failure{PathFailureCause(path, errno), path.string()};
    return fs::path(target.get());
}

std::string PathFailureCause(const fs::path& path, int error) {
    if (error == ELOOP)
        return "シンボリックリンクが循環しています";
    if (error == ENOENT && isLink(path))
        return "シンボリックリンクの先のファイルがありません";
    return std::strerror(error);
}

} // namespace rekko
