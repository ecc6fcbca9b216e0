// SPDX-License-Identifier: GPL-3.0-or-later
// Locating the executable through /proc and choosing the program folder.
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

fs::path LocateProgramFolder(const fs::path& executable, const SpecialFolders& folders) {
    const fs::path executableFolder = executable.parent_path();
    if (!executableFolder.empty() && IsWritableFolder(executableFolder))
        return executableFolder;
    const fs::path fallback = folders.userData();
    std::error_code error;
    fs::create_directories(fallback, error);
    return fallback;
}

} // namespace rekko
