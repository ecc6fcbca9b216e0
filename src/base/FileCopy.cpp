// SPDX-License-Identifier: GPL-3.0-or-later
// Copying named files and mask-matched files between folders, reporting failures per file.
#include "FileCopy.h"

#include "AtomicWrite.h"
#include "FileEntry.h"
#include "TextFile.h"
#include "TextProcedures.h"

#include <fnmatch.h>

namespace fs = std::filesystem;

namespace rekko {

Status CopyFileAtomically(const fs::path& from, const fs::path& to) {
    const auto permissions = PermissionsOf(from);
    auto bytes = ReadFileBytes(from);
    return bytes ? WriteFileAtomically(to, bytes.value(), permissions) : Status(bytes.error());
}

Status AddFileCopy(AtomicWriteBatch& batch, const fs::path& from, const fs::path& to) {
    const auto permissions = PermissionsOf(from);
    auto bytes = ReadFileBytes(from);
    return bytes ? batch.add(to, bytes.value(), permissions) : Status(bytes.error());
}

namespace {

void copyOne(const fs::path& from, const fs::path& targetFolder, CopyReport& report) {
    const fs::path to = targetFolder / from.filename();
    if (const Status written = CopyFileAtomically(from, to); !written)
        report.failures.push_back(Failure{written.error().cause, from.string()});
    else
        report.copied.push_back(to);
}

} // namespace

CopyReport CopyFileList(const fs::path& source, const fs::path& target, std::string_view names,
                        const CopyProgress& progress) {
    std::vector<fs::path> files;
    for (const auto& name : SplitAt(names, ',')) {
        if (name.empty())
            continue;
        std::error_code error;
        const fs::path file = source / name;
        if (fs::is_regular_file(file, error))
            files.push_back(file);
    }
    CopyReport report;
    for (size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress(i, files.size()))
            break;
        copyOne(files[i], target, report);
    }
    return report;
}

MaskCopyReport CopyFileMasks(const fs::path& source, const fs::path& target, std::string_view masks) {
    MaskCopyReport report;
    for (const auto& mask : SplitAt(masks, ',')) {
        if (mask.empty())
            continue;
        report.anyMask = true;
        std::error_code error;
        fs::directory_iterator it(source, error);
        if (error) {
            report.failures.push_back(Failure{error.message(), source.string()});
            continue;
        }
        // Masks match regardless of letter case, as the files may come from a Windows folder.
        for (; it != fs::directory_iterator(); it.increment(error)) {
            const std::string name = it->path().filename().string();
            std::error_code typeError;
            if (it->is_regular_file(typeError) && ::fnmatch(mask.c_str(), name.c_str(), FNM_PERIOD | FNM_CASEFOLD) == 0)
                copyOne(it->path(), target, report);
        }
        if (error)
            report.failures.push_back(Failure{error.message(), source.string()});
    }
    return report;
}

} // namespace rekko
