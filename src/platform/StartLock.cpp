// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime folder and the start-up lock, on flock(2).
#include "StartLock.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace rekko {

namespace fs = std::filesystem;

fs::path RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
        std::error_code error;
        if (fs::is_directory(runtime, error))
            return runtime;
    }
    const fs::path folder = "/tmp/rekko-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    // Another user could have made the folder first to catch the endpoints: use it only when it is ours alone.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        (info.st_mode & 077) != 0)
        return {};
    return folder;
}

StartLock::StartLock(const fs::path& folder) {
    if (folder.empty())
        return;
    m_fd = ::open((folder / "Rekko.start.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!(m_locked = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

StartLock::~StartLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace rekko
