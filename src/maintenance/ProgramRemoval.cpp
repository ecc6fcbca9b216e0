// SPDX-License-Identifier: GPL-3.0-or-later
// The program's removal in its two processes.
#include "ProgramRemoval.h"

#include "NoCaseNames.h"
#include "SetupRun.h"

#include "files/UserFiles.h"
#include "platform/ProgramLocation.h"

#include <cstdlib>
#include <strings.h>
#include <unistd.h>

namespace rekko {

namespace fs = std::filesystem;

RemovalCommand RemovalCommandOf(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return RemovalCommand::None;
    if (::strcasecmp(arguments.front().c_str(), kRemoveArgument) == 0)
        return RemovalCommand::Remove;
    if (::strcasecmp(arguments.front().c_str(), kFinishRemovalArgument) == 0 && arguments.size() > 1)
        return RemovalCommand::FinishRemoval;
    return RemovalCommand::None;
}

std::string RefusalToRemove(const fs::path& program) {
    if (InstallPrefixOf(program))
        return "パッケージでインストールされたRekkoは、\r\nパッケージの管理ソフトで削除してください。";
    std::error_code error;
    const fs::file_status status = fs::symlink_status(program, error);
    if (!fs::is_regular_file(status) || program.filename() != kProgramFileName ||
        !FindNoCase(program.parent_path(), kHolidayFileName))
        return program.string() + "\r\nは、インストールされたRekkoではありません。\r\n削除を中止します。";
    return {};
}

std::vector<fs::path> InstalledFiles(const fs::path& programFolder) {
    std::vector<fs::path> files{programFolder / kProgramFileName};
    for (const char* name : {kHolidayFileName, kUsageFileName, kReadMeFileName})
        if (const auto found = FindNoCase(programFolder, name))
            files.push_back(*found);
    for (const char* pattern : {"*.html", "*.css"})
        for (const fs::path& page : FilesMatching(programFolder / kHelpFolderName, pattern))
            files.push_back(page);
    return files;
}

void RemoveEmptiedFolders(const fs::path& folder, const fs::path& home) {
    std::error_code error;
    const fs::path stop = fs::weakly_canonical(home, error);
    for (fs::path current = fs::weakly_canonical(folder, error); !current.empty(); current = current.parent_path()) {
        if (current == current.root_path() || current == stop || !fs::is_empty(current, error) || error)
            return;
        if (!fs::remove(current, error))
            return;
    }
}

bool StartRemoval(const fs::path& program, const fs::path& temporaryFolder, Dialogs& dialogs, ProgramStarter& starter) {
    const DialogMessage question{"確認", "Rekko Ver3.3.3を削除しますか？", DialogIcon::Question,
                                 DialogButtons::OkCancel, DialogAnswer::Cancel};
    if (dialogs.show(question) != DialogAnswer::Ok)
        return false;
    if (const std::string refusal = RefusalToRemove(program); !refusal.empty()) {
        dialogs.inform(refusal);
        return false;
    }
    std::string name = (temporaryFolder / (std::string(kRemovalCopyPrefix) + "XXXXXX")).string();
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        dialogs.inform(std::string(kDeleteFailedMessage));
        return false;
    }
    ::close(descriptor);
    const fs::path copy = name;
    std::error_code error;
    if (const Status copied = CopyProgramFile(program, copy); !copied) {
        fs::remove(copy, error);
        dialogs.inform(copied.error().path + "\r\n" + copied.error().cause);
        return false;
    }
    fs::permissions(copy, fs::perms::owner_all, error);
    if (const Status started = starter.start(copy, {kFinishRemovalArgument, program.string()}, temporaryFolder);
        !started) {
        fs::remove(copy, error);
        dialogs.inform(std::string(kProcessFailedMessage) + "\r\n" + started.error().cause);
        return false;
    }
    return true;
}

bool FinishRemoval(const fs::path& program, const fs::path& home, Shortcuts& shortcuts, Dialogs& dialogs) {
    if (const std::string refusal = RefusalToRemove(program); !refusal.empty()) {
        dialogs.inform(refusal);
        return false;
    }
    for (const ShortcutFolder folder : kShortcutFolders) {
        if (const Status removed = shortcuts.removeFor(folder, kShortcutName, program); !removed) {
            dialogs.inform(removed.error().path + "\r\n" + removed.error().cause);
            return false;
        }
    }
    std::error_code error;
    for (const fs::path& file : InstalledFiles(program.parent_path())) {
        if (!fs::remove(file, error) && error) {
            dialogs.inform(file.string() + "\r\n" + kDeleteFailedMessage);
            return false;
        }
    }
    RemoveEmptiedFolders(program.parent_path() / kHelpFolderName, program.parent_path());
    RemoveEmptiedFolders(program.parent_path(), home);
    return true;
}

void RemoveRemovalCopy(const fs::path& self, const fs::path& temporaryFolder) {
    std::error_code error;
    if (self.parent_path() == fs::weakly_canonical(temporaryFolder, error) &&
        self.filename().string().starts_with(kRemovalCopyPrefix))
        fs::remove(self, error);
}

} // namespace rekko
