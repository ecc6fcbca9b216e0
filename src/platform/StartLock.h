// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user runtime folder of the instance endpoints, and the lock that puts start-up checks in a row.
#pragma once

#include <filesystem>

namespace rekko {

// Returns this user's folder for instance endpoints: $XDG_RUNTIME_DIR when it is a folder, otherwise
// /tmp/rekko-<uid>, created with mode 0700. Answers an empty path when neither can be used safely.
std::filesystem::path RuntimeFolder();

// An exclusive lock on a file of the runtime folder, held for the life of the object. Two processes starting at the
// same instant take it one after the other, so the second sees the first's endpoint. Waits at most five seconds.
class StartLock {
public:
    explicit StartLock(const std::filesystem::path& folder);
    ~StartLock();
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

    bool locked() const { return m_locked; }

private:
    int m_fd = -1;
    bool m_locked = false;
};

} // namespace rekko
