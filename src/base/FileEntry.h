// SPDX-License-Identifier: GPL-3.0-or-later
// What stands at a file name: whether an entry exists, its permissions, and why a name cannot be used.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace rekko {

inline constexpr const char* kNotRegularFileCause = "通常のファイルではありません";
inline constexpr const char* kLoopingLinkCause = "シンボリックリンクが循環しています";
inline constexpr const char* kDanglingLinkCause = "シンボリックリンクの先のファイルがありません";

// Answers whether a directory entry of that name exists. A dangling or looping symbolic link counts, and so does a
// name in a folder that cannot be searched, so that the reader reports them instead of taking them for a missing file.
bool FileEntryExists(const std::filesystem::path& path);

// Returns the permissions of the file a name stands for (a link followed), or nothing when they cannot be found.
std::optional<std::filesystem::perms> PermissionsOf(const std::filesystem::path& path);

// Returns the cause of a failed open of path with the given errno; a dangling or looping link says so.
std::string PathFailureCause(const std::filesystem::path& path, int error);

} // namespace rekko
