// SPDX-License-Identifier: GPL-3.0-or-later
// Locating the executable through /proc, telling an install from a portable copy and entering the working folder.
#include "ProgramLocation.h"

#include <unistd.h>

namespace rekko {

namespace fs = std::filesystem;

fs::path ExecutablePath() {
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : path;
}

bool IsWritableFolder(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::optional<fs::path> InstallPrefixOf(const fs::path& executable) {
    const fs::path folder = executable.parent_path();
    std::error_code error;
    if (folder.filename() != "bin" || !fs::is_directory(folder.parent_path() / "share" / "rekko", error))
        return std::nullopt;
    return folder.parent_path();
}

fs::path ShippedFolder(const fs::path& executable) {
    const auto prefix = InstallPrefixOf(executable);
    return prefix ? *prefix / "share" / "rekko" : executable.parent_path();
}

ProgramPlace LocateProgram(const fs::path& executable, const SpecialFolders& folders) {
    const fs::path executableFolder = executable.parent_path();
    ProgramPlace place;
    place.installed = InstallPrefixOf(executable).has_value();
    place.shippedFolder = ShippedFolder(executable);
    if (!place.installed && !executableFolder.empty() && IsWritableFolder(executableFolder)) {
        place.programFolder = executableFolder;
        return place;
    }
    place.programFolder = folders.userData();
    std::error_code error;
    fs::create_directories(place.programFolder, error);
    return place;
}

bool EnterWorkingFolder(const ProgramPlace& place, std::string_view ruleFile) {
    if (!place.installed)
        return true;
    std::error_code error;
    fs::current_path(place.programFolder, error);
    if (error)
        return false;
    // Copied only when missing, so the user's own rules are never overwritten.
    fs::copy_file(place.shippedFolder / ruleFile, ruleFile, fs::copy_options::skip_existing, error);
    return true;
}

} // namespace rekko
