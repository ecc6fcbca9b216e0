// The one whole-file write: a temporary file in the same folder, flushed, then renamed over the target.
#pragma once

#include "Result.h"

#include <filesystem>
#include <string_view>

namespace rekko {

// Replaces the file with the given bytes so that a crash or a full disk leaves either the old or the new file,
// never a part. Keeps the old file's permissions. Fails with the cause when the folder is missing or not
// writable, or when writing, flushing or renaming fails; the temporary file is then removed.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace rekko
