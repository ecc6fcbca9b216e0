// SPDX-License-Identifier: GPL-3.0-or-later
// What stands at a file name: whether an entry exists, where a symbolic link leads, and why a name cannot be used.
#pragma once

#include "Result.h"

#include <filesystem>
#include <string>

namespace rekko {

inline constexpr const char* kNotRegularFileCause = "通常のファイルではありません";

// Answers whether a directory entry of that name exists. A dangling or looping symbolic link counts, and so does a
// name in a folder that cannot be searched, so that the reader reports them instead of taking them for a missing file.
bool FileEntryExists(const std::filesystem::path& path);

// Returns the real file a name stands for: the name itself when it is no symbolic link or does not exist, else the
// final target of the link chain. Fails, naming the link, when that target is missing or the chain loops.
Result<std::filesystem::path> ResolveLink(const std::filesystem::path& path);

// Returns the cause of a failed open of path with the given errno; a dangling or looping link says so.
std::string PathFailureCause(const std::filesystem::path& path, int error);

} // namespace rekko
