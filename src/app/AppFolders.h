// SPDX-License-Identifier: GPL-3.0-or-later
// The folder texts of the settings and the user, and where the sibling programs of the suite live.
#pragma once

#include "base/Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// Returns a folder as text ending with "/", the form in which folders are shown and stored; empty stays empty.
std::string FolderText(const std::filesystem::path& folder);

// Checks a folder text from the settings or the user before it becomes a path: a control character (NUL among them,
// which would cut the path short) or a length no path of this system can have fails with the cause.
Status CheckFolderText(std::string_view text);

// Finds a sibling program of the suite by its name: program folder + name, program folder + name/name, then the
// programs folder + "Vell/" + name/name; the first regular file wins. Answers nothing when none exists.
std::optional<std::filesystem::path> FindSibling(std::string_view name, const std::filesystem::path& programFolder,
                                                 const std::filesystem::path& programsFolder);

} // namespace rekko
