// SPDX-License-Identifier: GPL-3.0-or-later
// The folder lock on flock(2).
#include "FolderLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace rekko {

FlockFolderLock::~FlockFolderLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

FolderClaim FlockFolderLock::claim(const std::filesystem::path& folder) {
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return {FolderClaimOutcome::Missing};
        return {FolderClaimOutcome::Refused, std::strerror(errno)};
    }
    int locked = 0;
    do
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return {FolderClaimOutcome::Busy};
        return {FolderClaimOutcome::Refused, std::strerror(error)};
    }
    m_fd = fd;
    return {};
}

} // namespace rekko
