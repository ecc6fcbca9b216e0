// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user runtime folder of the instance endpoints, and the lock that puts start-up checks in a row.
#pragma once

#include "base/Result.h"

#include <filesystem>

namespace rekko {

// Returns this user's folder for instance endpoints: $XDG_RUNTIME_DIR when it is a folder of this user that the user
// can write, otherwise /tmp/rekko-<uid>, created with mode 0700. Fails, naming /tmp/rekko-<uid>, when that folder is
// not this user's alone (another user made it first) or cannot be made; no other folder is ever used instead.
Result<std::filesystem::path> RuntimeFolder();

// An exclusive lock on a file of the runtime folder, held for the life of the object. Two processes starting at the
// same instant take it one after the other, so the second sees the first's endpoint. Waits at most five seconds.
class StartLock {
public:
    explicit StartLock(const std::filesystem::path& folder);
    ~StartLock();
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

    // Answers whether the lock is held, or why not (the lock file and the cause).
    const Status& status() const { return m_status; }

private:
    int m_fd = -1;
    Status m_status = Success();
};

} // namespace rekko
