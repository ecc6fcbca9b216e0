// SPDX-License-Identifier: GPL-3.0-or-later
// The running executable and the program folder it implies.
#pragma once

#include "SpecialFolders.h"

#include <filesystem>

namespace rekko {

// Returns the path of the running executable, symbolic links resolved; empty when it cannot be found.
std::filesystem::path ExecutablePath();

// Answers whether the process may create files in the folder.
bool IsWritableFolder(const std::filesystem::path& folder);

// Returns the program folder: the executable's folder when it is writable (a portable install, as on Windows),
// otherwise the user data folder, created when missing, so that a read-only install still keeps its settings.
std::filesystem::path LocateProgramFolder(const std::filesystem::path& executable, const SpecialFolders& folders);

} // namespace rekko
