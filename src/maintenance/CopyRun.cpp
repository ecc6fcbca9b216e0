// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of backup and restore, file by file.
#include "CopyRun.h"

#include "base/FileCopy.h"
#include "base/FileEntry.h"

namespace rekko {

namespace fs = std::filesystem;

CopyOutcome CopyFiles(const std::vector<fs::path>& files, const fs::path& destination, CopyWatch& watch) {
    CopyOutcome outcome;
    // Each file is written beside its target first; one flush then makes them all durable before the renames.
    AtomicWriteBatch batch;
    size_t next = 0;
    bool overwriteAll = false;
    const auto leaveRest = [&] {
        for (; next < files.size(); ++next)
            outcome.notCopied.push_back(files[next].filename().string());
    };
    for (; next < files.size(); ++next) {
        const std::string name = files[next].filename().string();
        if (!watch.progress(next, files.size(), name)) {
            outcome.cancelled = true;
            break;
        }
        if (!overwriteAll && FileEntryExists(destination / name)) {
            const OverwriteAnswer answer = watch.askOverwrite(name);
            if (answer == OverwriteAnswer::Skip) {
                outcome.notCopied.push_back(name);
                continue;
            }
            overwriteAll = answer == OverwriteAnswer::OverwriteAll;
        }
        if (const Status copied = AddFileCopy(batch, files[next], destination / name); !copied) {
            outcome.failures.push_back(Failure{copied.error().cause, name});
            break;
        }
        outcome.copied.push_back(name);
    }
    leaveRest();
    for (const Failure& failure : batch.commit()) {
        const std::string name = fs::path(failure.path).filename().string();
        std::erase(outcome.copied, name);
        outcome.notCopied.push_back(name);
        outcome.failures.push_back(Failure{failure.cause, name});
    }
    watch.finished();
    return outcome;
}

OverwriteAnswer AskOverwrite(Dialogs& dialogs, const std::string& name) {
    // The box names its three choices itself, in the order of yes, no and cancel.
    const DialogMessage question{kDefaultCaption,
                                 "「" + name + "」は既に存在します。\r\n上書きしますか？",
                                 DialogIcon::Question,
                                 DialogButtons::YesNoCancel,
                                 DialogAnswer::Yes,
                                 DialogAnswer::Cancel,
                                 {"上書き", "すべて上書き", "スキップ"}};
    switch (dialogs.show(question)) {
    case DialogAnswer::Yes:
        return OverwriteAnswer::Overwrite;
    case DialogAnswer::No:
        return OverwriteAnswer::OverwriteAll;
    default:
        return OverwriteAnswer::Skip;
    }
}

std::string NotCopiedMessage(const CopyOutcome& outcome) {
    std::string text = "次のファイルはコピーされませんでした。";
    for (const std::string& name : outcome.notCopied)
        text += "\r\n　" + name;
    for (const Failure& failure : outcome.failures)
        text += "\r\n" + failure.path + "：" + failure.cause;
    if (outcome.cancelled)
        text += "\r\nコピーは中止されました。";
    return text;
}

} // namespace rekko
