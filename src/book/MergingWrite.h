// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file of lines over what changed on disk since it was read: the disk is read again and merged with.
#pragma once

#include "LineMerge.h"

#include "base/Result.h"
#include "base/TextFile.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rekko {

using LineMerger = MergeResult (*)(const ByteLines& base, const ByteLines& ours, const ByteLines& theirs);

struct MergingWrite {
    Status status = Success();
    // The file as it now stands for the next write: as written, or, when the write failed after a merge, as read on
    // disk; nothing when it stays the base given.
    std::optional<TextLines> held;
    // The lines after a merge that changed them.
    std::optional<std::vector<std::string>> mergedLines;
    MergeReport report;
    std::string setAside; // the disk's bytes that were not merged from
};

// Writes ours over the file. The file is read first: where its lines (as bytes, the 0x1A tail aside) are the base's,
// or it is missing, ours are written as they are; otherwise the merger's result is, with the disk's 0x1A tail. Right
// before the rename the file is read once more and merged with again when it changed meanwhile. A file that cannot
// be read is not written. Each line not merged keeps the bytes it was read with (TextLines::compose).
MergingWrite WriteMerging(const std::filesystem::path& path, const TextLines& base, std::span<const std::string> ours,
                          LineMerger merger);

} // namespace rekko
