// SPDX-License-Identifier: GPL-3.0-or-later
// Copying a set of files, named or matched by masks, from one folder to another.
#pragma once

#include "AtomicWrite.h"
#include "Result.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// Copies one file by reading it whole and writing the copy atomically (WriteFileAtomically) with the original's
// permissions, so that a failed copy leaves the old file and a link at the copy's name is followed only as every
// write follows one.
Status CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);
// Adds the copy of one file to a batch of atomic writes, read whole and with the original's permissions.
Status AddFileCopy(AtomicWriteBatch& batch, const std::filesystem::path& from, const std::filesystem::path& to);

// What a copy did: the files copied and, per file, what failed.
struct CopyReport {
    std::vector<std::filesystem::path> copied;
    std::vector<Failure> failures;
    bool ok() const { return failures.empty(); }
};

// Called before each file with the number of files done and the total; answering false stops the copy.
using CopyProgress = std::function<bool(size_t done, size_t total)>;

// Copies the files of a comma-separated name list that exist in source into target, overwriting; each copy is written
// atomically (WriteFileAtomically) and takes the permissions of its original.
// Names that do not exist in source are skipped silently; every other failure is reported per file.
CopyReport CopyFileList(const std::filesystem::path& source, const std::filesystem::path& target,
                        std::string_view names, const CopyProgress& progress = {});

// Copies every plain file of source matching one of the comma-separated masks ("*.myc", "Ca??????.myc")
// into target, overwriting. anyMask tells whether at least one mask was given.
struct MaskCopyReport : CopyReport {
    bool anyMask = false;
};
MaskCopyReport CopyFileMasks(const std::filesystem::path& source, const std::filesystem::path& target,
                             std::string_view masks);

} // namespace rekko
