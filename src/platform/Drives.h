// SPDX-License-Identifier: GPL-3.0-or-later
// The drives port: the mounted file system a folder lies on, whether its medium is removable, and its state.
#pragma once

#include <cstdint>
#include <filesystem>

namespace rekko {

// What the medium of a file system answered when it was asked for its size.
enum class MediumState { Ready, NotReady, Unformatted, DiskError };

struct DriveInfo {
    std::filesystem::path mountPoint; // empty when the folder lies on no mounted file system
    bool removable = false;           // its block device says it is removable
    MediumState state = MediumState::Ready;
    uint64_t totalBytes = 0; // the file system's size, when ready
};

class Drives {
public:
    virtual ~Drives() = default;
    // Returns the drive of a folder: its mount point, whether the device is removable, and the answer of the file
    // system to a size query.
    virtual DriveInfo driveOf(const std::filesystem::path& folder) const = 0;
};

// The drives of this system: the mount point from /proc/self/mountinfo, removability from /sys/block/*/removable,
// the state and size from statvfs.
class LinuxDrives : public Drives {
public:
    DriveInfo driveOf(const std::filesystem::path& folder) const override;
};

} // namespace rekko
