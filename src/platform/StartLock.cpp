// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime folder and the start-up lock, on flock(2).
#include "StartLock.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace rekko {

namespace fs = std::filesystem;

namespace {

// Answers whether a folder belongs to this user and the user may create entries in it. A runtime folder inherited
// from another user (after su or sudo -u) is not.
bool isOwnWritableFolder(const char* folder) {
    struct stat info {};
    return ::stat(folder, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           ::access(folder, W_OK | X_OK) == 0;
}

} // namespace

Result<fs::path> RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime && *runtime == '/' && isOwnWritableFolder(runtime))
        return fs::path(runtime);
    const fs::path folder = "/tmp/rekko-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    // Another user could have made the folder first to catch the endpoints: use it only when it is ours alone.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return Failure{.cause = std::strerror(errno), .path = folder.string()};
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return Failure{.cause = "このユーザーだけのフォルダではありません", .path = folder.string()};
    return folder;
}

StartLock::StartLock(const fs::path& folder) {
    const fs::path file = folder / "Rekko.start.lock";
    m_fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_status = Failure{.cause = std::strerror(errno), .path = file.string()};
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_status = Failure{.cause = std::strerror(errno), .path = file.string()};
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            m_status = Failure{.cause = "5 秒待っても空きません", .path = file.string()};
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

StartLock::~StartLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace rekko
