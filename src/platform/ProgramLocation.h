// SPDX-License-Identifier: GPL-3.0-or-later
// The running executable, whether it is installed, and the program, shipped and working folders that follow.
#pragma once

#include "SpecialFolders.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace rekko {

// The folders the program runs with.
struct ProgramPlace {
    // True for an install under a prefix (<prefix>/bin), false for a portable copy run from its own folder.
    bool installed = false;
    // Settings, record, access log: the executable's folder, or the user data folder when installed or read-only.
    std::filesystem::path programFolder;
    // The shipped files (Hday.dat, ReadMe.txt, CaSima.dat, the help): <prefix>/share/rekko, else the executable's.
    std::filesystem::path shippedFolder;
};

// Returns the path of the running executable, symbolic links resolved; empty when it cannot be found.
std::filesystem::path ExecutablePath();

// Answers whether the process may create files in the folder.
bool IsWritableFolder(const std::filesystem::path& folder);

// Returns the prefix of an installed executable: one that lies in <prefix>/bin beside <prefix>/share/rekko, the
// layout of an install; nothing for a portable copy. Decided by place, as root finds every folder writable.
std::optional<std::filesystem::path> InstallPrefixOf(const std::filesystem::path& executable);

// Returns the folder of the shipped files: <prefix>/share/rekko when installed, else the executable's folder.
std::filesystem::path ShippedFolder(const std::filesystem::path& executable);

// Returns where the program runs from; the user data folder is created when it is used.
ProgramPlace LocateProgram(const std::filesystem::path& executable, const SpecialFolders& folders);

// Makes an installed program's folder its working folder, as a menu starts it in the home folder where the rule
// files would land, and copies the shipped rule file (the holiday rules) there when it has none. A portable copy
// keeps the working folder it was started in. Answers false when the folder cannot be entered.
bool EnterWorkingFolder(const ProgramPlace& place, std::string_view ruleFile);

} // namespace rekko
