// SPDX-License-Identifier: GPL-3.0-or-later
// The real file a name stands for when it is written, found through descriptors, and the links it may pass.
#pragma once

#include "FileDescriptor.h"
#include "Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace rekko {

// Where a write lands: the folder of the real file, open, and the file's name there, with the file's status when an
// entry of that name exists (never a link: links are followed).
struct WriteTarget {
    FileDescriptor folder;
    std::string name;
    std::optional<struct stat> entry;
};

// Follows the symbolic links of a name, each read through a descriptor of the link itself, as the system's protection
// of shared folders would let this user follow them: a link in a sticky world-writable folder is followed only when it
// belongs to the user or to the folder's owner. Fails, with a cause naming the link, on a link planted there by anyone
// else, and on a dangling or looping link or a folder that cannot be opened.
Result<WriteTarget> FindWriteTarget(const std::filesystem::path& path);

} // namespace rekko
