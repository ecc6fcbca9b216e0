// SPDX-License-Identifier: GPL-3.0-or-later
// The copy page's decisions: choosing a backup or restore folder, the backup to destination 1 or 2, switching the
// restore on, and the restore; every check, question and report.
#pragma once

#include "BackupFiles.h"
#include "CopyRun.h"
#include "MaintenanceShell.h"
#include "SetupSettings.h"

#include "base/LocalDateTime.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Drives.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace rekko {

inline constexpr const char* kStopped = "中止します。";
inline constexpr const char* kBackupDone = "データ退避作業を終了しました。";
inline constexpr const char* kRestoreDone = "データ回復作業を終了しました。";
inline constexpr const char* kRestoreEnds = "\r\n\r\n一旦、Rekkoを終了させます。\r\nRekkoを立ち上げ直して下さい。";
inline constexpr const char* kCopyError = "コピー作業中にエラーが生じました。\r\n中止します。";

// The medium of a smaller file system is taken for a floppy disk: no "Rekkobak" folder is offered on it.
inline constexpr uint64_t kSmallMediumBytes = 3126000;

// Which folder a choice is for.
enum class CopyFolder { Backup1, Backup2, Restore };

// Returns the note of a backup made at a time, such as "平成15年12月30日(火) 14:05 退避".
std::string BackupNote(LocalDateTime time);

class BackupRestore {
public:
    BackupRestore(MaintenanceShell& shell, SetupTable& setup, Dialogs& dialogs, const Drives& drives,
                  const Clock& clock)
        : m_shell(shell), m_setup(setup), m_dialogs(dialogs), m_drives(drives), m_clock(clock) {}

    // After the folder browser gave chosen: checks its medium, offers the "Rekkobak" subfolder, and puts the result
    // with a trailing "/" into the folder's setting. Answers false when the choice was stopped (its message shown).
    bool chooseFolder(CopyFolder which, const std::filesystem::path& chosen);

    // Backs up into destination 1 or 2. Reports the files not copied, if any; only a complete backup updates the
    // destination's note.
    void backup(CopyFolder which, CopyWatch& watch);

    // Asks whether the restore may be switched on.
    bool allowRestore();

    // Restores from the restore source into the data folder and, once anything was restored, ends the program.
    void restore(CopyWatch& watch);

private:
    // The folder of a setting after the checks shared by backup and restore, or nothing (the message shown).
    std::optional<std::filesystem::path> checkedFolder(const std::string& text);
    // The data folder, or nothing when the one named does not exist (the message shown).
    std::optional<std::filesystem::path> dataFolder();
    // Answers whether folder is one of the data or program folder; shows the message of the one it is.
    bool refused(const std::filesystem::path& folder, const std::filesystem::path& data, bool asSource);
    void runRestore(const std::filesystem::path& source, const std::filesystem::path& data, CopyWatch& watch);
    void showCopyError();

    MaintenanceShell& m_shell;
    SetupTable& m_setup;
    Dialogs& m_dialogs;
    const Drives& m_drives;
    const Clock& m_clock;
};

} // namespace rekko
