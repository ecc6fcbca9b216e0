// SPDX-License-Identifier: GPL-3.0-or-later
// The folder-lock port: an advisory lock that lets one process at a time write a data folder.
#pragma once

#include <filesystem>
#include <string>

namespace rekko {

enum class FolderClaimOutcome {
    Taken,   // this process holds the folder now
    Busy,    // another process holds it
    Refused, // the file system refuses locks, or the folder cannot be opened
    Missing  // there is no folder of that name
};

struct FolderClaim {
    FolderClaimOutcome outcome = FolderClaimOutcome::Taken;
    std::string cause{}; // why the lock was refused
};

class FolderLock {
public:
    virtual ~FolderLock() = default;

    // Gives up the folder held so far and takes the lock of another, held until the next claim or the end of the
    // object. Needs no file of its own and works on a read-only folder; reading the folder needs no lock.
    virtual FolderClaim claim(const std::filesystem::path& folder) = 0;
};

// An advisory flock(2) on the folder's directory descriptor, which the kernel drops when the process ends however
// it ends.
class FlockFolderLock : public FolderLock {
public:
    FlockFolderLock() = default;
    ~FlockFolderLock() override;
    FlockFolderLock(const FlockFolderLock&) = delete;
    FlockFolderLock& operator=(const FlockFolderLock&) = delete;

    FolderClaim claim(const std::filesystem::path& folder) override;

private:
    int m_fd = -1;
};

// Locks nothing and answers Taken: for shells whose folders no other process uses (tests).
class NullFolderLock : public FolderLock {
public:
    FolderClaim claim(const std::filesystem::path&) override { return {}; }
};

} // namespace rekko
