// SPDX-License-Identifier: GPL-3.0-or-later
// The one whole-file write: a temporary file beside the real target, flushed, then renamed over it; and the removal
// of the temporaries that an interrupted write leaves behind.
#pragma once

#include "Result.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// Replaces the file with the given bytes so that a crash or a full disk leaves either the old or the new file,
// never a part. A symbolic link is followed where the system's protection of links in shared folders would let this
// user follow it (FindWriteTarget): the temporary file ".<name>.XXXXXX", always a new file and never reached through a
// link, is made in the folder of the real target and renamed over it, so the link stays a link. The file gets the
// permissions given, else a replaced file keeps its own and a new one follows the umask. A file that already holds
// exactly these bytes with those permissions is not touched (no temporary, rename or flush). Fails with the cause,
// naming the path given, when a link is refused, dangling or loops, when the target is no regular file, when the
// folder is missing or not writable, or when writing, flushing or renaming fails; the temporary file is then removed.
// beforeRename, when given, is asked once the temporary holds the bytes, right before the rename: bytes it answers
// replace the temporary's (it is asked again, a few times at most), nothing lets the rename go on.
using BeforeRename = std::function<std::optional<std::string>()>;
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::optional<std::filesystem::perms> permissions = std::nullopt,
                           const BeforeRename& beforeRename = {});

// Whole-file writes made durable together, for many files at once: each file's temporary is written as it is added,
// then commit flushes them (one flush per file system), renames each over its target and flushes the folders. Until
// its rename a target keeps its old content; a crash before the commit leaves every old file. Temporaries not
// committed are removed with the batch. Links and permissions are as WriteFileAtomically treats them.
class AtomicWriteBatch {
public:
    AtomicWriteBatch();
    ~AtomicWriteBatch();
    AtomicWriteBatch(const AtomicWriteBatch&) = delete;
    AtomicWriteBatch& operator=(const AtomicWriteBatch&) = delete;

    // Writes the temporary of a file (nothing when it holds these bytes already); fails as WriteFileAtomically does,
    // leaving nothing behind.
    Status add(const std::filesystem::path& path, std::string_view bytes,
               std::optional<std::filesystem::perms> permissions = std::nullopt);
    // Flushes and renames every temporary added; answers the files that could not be written, each keeping its old
    // content.
    std::vector<Failure> commit();

private:
    struct Pending;
    std::vector<std::unique_ptr<Pending>> m_pending;
};

// Removes the temporaries ".<name>.XXXXXX" that interrupted writes left in a folder, for every name isOurs accepts,
// and those beside the real target of each such name there that is a symbolic link FindWriteTarget follows. Only
// regular files are removed; anything else, of any other name, stays. Answers how many were removed.
size_t RemoveStaleTemporaries(const std::filesystem::path& folder,
                              const std::function<bool(std::string_view name)>& isOurs);

} // namespace rekko
