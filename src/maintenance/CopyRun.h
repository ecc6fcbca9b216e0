// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of backup and restore: a list of files into a folder, one atomic copy each, with progress, cancel and a
// question before each file that would be overwritten.
#pragma once

#include "base/Result.h"
#include "platform/Dialogs.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

enum class OverwriteAnswer { Overwrite, OverwriteAll, Skip };

// What the user sees of a copy while it runs.
class CopyWatch {
public:
    virtual ~CopyWatch() = default;
    // Before each file: done of total files are copied, name is next. Answers false when the user cancelled.
    virtual bool progress(size_t done, size_t total, const std::string& name) = 0;
    // A file of that name exists in the destination: replace it, replace it and every later one without asking, or
    // leave it.
    virtual OverwriteAnswer askOverwrite(const std::string& name) = 0;
    // The copy is over, whatever its outcome.
    virtual void finished() = 0;
};

// What a copy did. The files not copied are those skipped, the failed one and those left by a stop.
struct CopyOutcome {
    std::vector<std::string> copied;
    std::vector<std::string> notCopied;
    std::vector<Failure> failures; // the cause of a failed file, naming it
    bool cancelled = false;
    bool complete() const { return notCopied.empty(); }
};

// Copies the files, in their order, into the destination under their own names. Each copy is written atomically,
// so a failed one leaves the file that was there; the copies are flushed together before any replaces its target. The
// copy stops at the first file that fails (a full disk fails every file after it) and when the user cancels.
CopyOutcome CopyFiles(const std::vector<std::filesystem::path>& files, const std::filesystem::path& destination,
                      CopyWatch& watch);

// Asks whether an existing file of the destination is replaced, with the choices 上書き, すべて上書き and スキップ;
// stopping is the progress dialog's cancel.
OverwriteAnswer AskOverwrite(Dialogs& dialogs, const std::string& name);

// Returns the message of a copy that left files: each file not copied on a line, then each failure's cause.
std::string NotCopiedMessage(const CopyOutcome& outcome);

} // namespace rekko
