// SPDX-License-Identifier: GPL-3.0-or-later
// The removal of the program by itself: "/R" asks and starts a temporary copy with "/X", the copy removes the
// installed files and the folders they leave empty.
#pragma once

#include "platform/Dialogs.h"
#include "platform/ProgramStarter.h"
#include "platform/Shortcuts.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

inline constexpr const char* kRemoveArgument = "/R";
inline constexpr const char* kFinishRemovalArgument = "/X";
// The name start of the temporary copy that finishes a removal.
inline constexpr const char* kRemovalCopyPrefix = "SETUP";

enum class RemovalCommand { None, Remove, FinishRemoval };

// Tells the removal command of the process's arguments (the first one, without regard to case).
RemovalCommand RemovalCommandOf(const std::vector<std::string>& arguments);

// Answers why the program file may not be removed: a packaged install (managed by the package manager), no regular
// file named "Rekko" (a link is not ours), or a folder without our holiday rules. Empty when it may go.
std::string RefusalToRemove(const std::filesystem::path& program);

// The installed files of a program folder, the program file first: the program, the help and the shipped texts
// and rules; the user's data, settings and templates are none of them.
std::vector<std::filesystem::path> InstalledFiles(const std::filesystem::path& programFolder);

// Removes the folder and each parent that is then empty, stopping before the home folder and a file-system root and
// at the first folder that is not empty.
void RemoveEmptiedFolders(const std::filesystem::path& folder, const std::filesystem::path& home);

// "/R": asks; on OK copies the program into a new file "SETUP…" of the temporary folder and starts the copy with "/X"
// and the program's path. Answers whether the copy was started.
bool StartRemoval(const std::filesystem::path& program, const std::filesystem::path& temporaryFolder, Dialogs& dialogs,
                  ProgramStarter& starter);

// "/X": removes our shortcuts that start the program, then the installed files of the program's folder and the
// folders left empty, after the checks of RefusalToRemove; a refusal or a failed deletion is shown and ends the
// removal. Answers whether everything went.
bool FinishRemoval(const std::filesystem::path& program, const std::filesystem::path& home, Shortcuts& shortcuts,
                   Dialogs& dialogs);

// Removes the running temporary copy once its work is done (a running program file can be deleted): only a file
// "SETUP…" right in the temporary folder.
void RemoveRemovalCopy(const std::filesystem::path& self, const std::filesystem::path& temporaryFolder);

} // namespace rekko
