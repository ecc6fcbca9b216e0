// SPDX-License-Identifier: GPL-3.0-or-later
// A zip archive as the list of its files, read whole from disk and written whole into bytes.
#pragma once

#include "base/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

struct ZipPart {
    std::string name;
    std::string bytes;
};

// Returns the files of an archive in its own order. Fails when the file cannot be read or is no zip archive.
Result<std::vector<ZipPart>> ReadZipParts(const std::filesystem::path& file);

// Returns the bytes of an archive holding the files in the order given, compressed.
Result<std::string> ZipBytes(const std::vector<ZipPart>& parts);

} // namespace rekko
