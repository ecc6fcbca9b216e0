// SPDX-License-Identifier: GPL-3.0-or-later
// File names matched as the original file system matched them: without regard to ASCII letter case, with the
// wildcards "*" and "?".
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace rekko {

// Answers whether a name matches a pattern of "*" (any run), "?" (any one byte) and other bytes compared without
// regard to ASCII case.
bool MatchesNoCase(std::string_view name, std::string_view pattern);

// Returns the regular files of a folder (links to them included) whose names match the pattern, sorted by name; a
// missing or unreadable folder gives none.
std::vector<std::filesystem::path> FilesMatching(const std::filesystem::path& folder, std::string_view pattern);

// Returns the file of a folder whose name is the given one without regard to case, the exact spelling first.
std::optional<std::filesystem::path> FindNoCase(const std::filesystem::path& folder, std::string_view name);

} // namespace rekko
