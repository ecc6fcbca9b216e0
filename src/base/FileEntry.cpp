// SPDX-License-Identifier: GPL-3.0-or-later
// Directory entries, their permissions and the causes of names that cannot be used.
#include "FileEntry.h"

#include <cerrno>
#include <cstring>
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

std::optional<fs::perms> PermissionsOf(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error)
        return std::nullopt;
    return status.permissions();
}

std::string PathFailureCause(const fs::path& path, int error) {
    if (error == ELOOP)
        return kLoopingLinkCause;
    if (error == ENOENT && isLink(path))
        return kDanglingLinkCause;
    return std::strerror(error);
}

} // namespace rekko
