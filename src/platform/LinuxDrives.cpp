// SPDX-License-Identifier: GPL-3.0-or-later
// The drives of a Linux system, read from /proc/self/mountinfo, /sys/block and statvfs.
#include "Drives.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/statvfs.h>

namespace rekko {

namespace fs = std::filesystem;

namespace {

struct Mount {
    fs::path point;
    std::string device; // "major:minor"
};

// mountinfo writes blanks and backslashes in paths as octal escapes.
std::string UnescapeMountPath(const std::string& text) {
    std::string path;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size()) {
            path += static_cast<char>(std::stoi(text.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            path += text[i];
        }
    }
    return path;
}

// The mount whose point is the longest leading part of the folder's real path.
Mount MountOf(const fs::path& folder) {
    std::error_code error;
    const std::string real = fs::weakly_canonical(fs::absolute(folder, error), error).string();
    std::ifstream info("/proc/self/mountinfo");
    Mount best;
    size_t bestLength = 0;
    for (std::string line; std::getline(info, line);) {
        std::istringstream fields(line);
        std::string id, parent, device, root, point;
        fields >> id >> parent >> device >> root >> point;
        point = UnescapeMountPath(point);
        const bool inside = real == point || point == "/" ||
                            (real.starts_with(point) && real.size() > point.size() && real[point.size()] == '/');
        if (inside && point.size() >= bestLength) {
            best = {point, device};
            bestLength = point.size();
        }
    }
    return best;
}

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// A whole disk of /sys/block, or one of its partitions, carries the device number; the disk says if it is removable.
bool IsRemovable(const std::string& device) {
    std::error_code error;
    for (const auto& disk : fs::directory_iterator("/sys/block", error)) {
        bool ours = FirstLine(disk.path() / "dev") == device;
        for (const auto& part : fs::directory_iterator(disk.path(), error))
            ours = ours || (part.is_directory(error) && FirstLine(part.path() / "dev") == device);
        if (ours)
            return FirstLine(disk.path() / "removable") == "1";
    }
    return false;
}

MediumState StateOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
        return MediumState::NotReady;
    case EMEDIUMTYPE:
    case EUCLEAN:
        return MediumState::Unformatted;
    default:
        return MediumState::DiskError;
    }
}

} // namespace

DriveInfo LinuxDrives::driveOf(const fs::path& folder) const {
    const Mount mount = MountOf(folder);
    DriveInfo drive;
    drive.mountPoint = mount.point;
    drive.removable = !mount.device.empty() && IsRemovable(mount.device);
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) != 0) {
        drive.state = StateOf(errno);
        return drive;
    }
    drive.totalBytes = static_cast<uint64_t>(info.f_frsize) * info.f_blocks;
    return drive;
}

} // namespace rekko
