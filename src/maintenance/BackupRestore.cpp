// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the copy folders, backup and restore, with their checks and reports.
#include "BackupRestore.h"

#include "NoCaseNames.h"

#include "base/TextProcedures.h"
#include "calendar/JapaneseEra.h"
#include "calendar/Julius.h"
#include "files/UserFiles.h"

#include <algorithm>
#include <cstdio>
#include <exception>

namespace rekko {

namespace fs = std::filesystem;

namespace {

constexpr const char* kBackupFolderName = "Rekkobak";
constexpr const char* kShortCaption = "確認";

std::string Stopping(const std::string& what) {
    return what + "\r\n" + kStopped;
}

std::string& FolderSetting(SetupSettings& s, CopyFolder which) {
    return which == CopyFolder::Backup1 ? s.edtCopy1 : which == CopyFolder::Backup2 ? s.edtCopy2 : s.edtCopy3;
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

// A subfolder "Rekkobak" of the folder in any letter case.
std::optional<fs::path> BackupSubfolder(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_directory(error) && MatchesNoCase(it->path().filename().string(), kBackupFolderName))
            return it->path();
    return std::nullopt;
}

bool ContainsNoCase(const std::string& text, std::string_view part) {
    return MatchesNoCase(text, "*" + std::string(part) + "*");
}

} // namespace

std::string BackupNote(LocalDateTime time) {
    const TimeOfDay clock = TimeOf(time);
    char hhmm[8];
    std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", clock.hour, clock.minute);
    return EraDateText(DateTimeToJuliusDay(time)) + " " + hhmm + " 退避";
}

bool BackupRestore::chooseFolder(CopyFolder which, const fs::path& chosen) {
    const DriveInfo drive = m_drives.driveOf(chosen);
    if (drive.mountPoint.empty()) {
        m_dialogs.inform(Stopping("フォルダ選択エラー"));
        return false;
    }
    bool small = false;
    if (drive.removable) {
        if (!m_dialogs.ask("メディアをセットしてください。")) {
            m_dialogs.inform(kStopped);
            return false;
        }
        switch (drive.state) {
        case MediumState::NotReady:
            m_dialogs.inform(Stopping("メディアがセットされていません。"));
            return false;
        case MediumState::Unformatted:
            m_dialogs.inform(Stopping("メディアが未フォーマットです。"));
            return false;
        case MediumState::DiskError:
            m_dialogs.inform(Stopping("ディスクエラーです。"));
            return false;
        case MediumState::Ready:
            small = drive.totalBytes < kSmallMediumBytes;
            break;
        }
    }
    fs::path folder = chosen;
    const auto sub = BackupSubfolder(chosen);
    const auto askAdd = [this](const char* text) {
        return m_dialogs.show({kShortCaption, text, DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::Yes}) ==
               DialogAnswer::Yes;
    };
    if (which == CopyFolder::Restore) {
        if (sub && askAdd("指定されたフォルダーに<\\Rekkobak\\>を\r\n付け加えますか？"))
            folder = *sub;
    } else if (!ContainsNoCase(chosen.string(), kBackupFolderName) && !small) {
        if (sub) {
            folder = *sub;
        } else if (askAdd("指定されたフォルダーに<\\Rekkobak\\>のフォルダを\r\n付け加えますか？")) {
            folder = chosen / kBackupFolderName;
            std::error_code error;
            fs::create_directories(folder, error);
            if (!fs::is_directory(folder, error)) {
                m_dialogs.inform(Stopping("フォルダを作成できませんでした。"));
                return false;
            }
        }
    }
    m_setup.set([which](SetupSettings& s) -> std::string& { return FolderSetting(s, which); },
                WithTrailingSeparator(folder.string()));
    return true;
}

std::optional<fs::path> BackupRestore::checkedFolder(const std::string& text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.size() < 2) {
        m_dialogs.inform(Stopping("フォルダの設定が、不明です。"));
        return std::nullopt;
    }
    std::error_code error;
    if (!fs::is_directory(fs::path(trimmed), error)) {
        m_dialogs.inform(Stopping("フォルダが存在しません。"));
        return std::nullopt;
    }
    return fs::path(trimmed);
}

std::optional<fs::path> BackupRestore::dataFolder() {
    const std::string named = m_shell.dataFolder();
    const fs::path folder = named.empty() ? fs::path(".") : fs::path(named);
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        m_dialogs.inform("データフォルダエラー");
        return std::nullopt;
    }
    return folder;
}

bool BackupRestore::refused(const fs::path& folder, const fs::path& data, bool asSource) {
    const std::string role = asSource ? "保存元" : "保存先";
    if (SameFolder(folder, data))
        m_dialogs.inform(Stopping("データフォルダはデータの" + role + "に出来ません。"));
    else if (SameFolder(folder, m_shell.programFolder()))
        m_dialogs.inform(Stopping("起動フォルダはデータの" + role + "に出来ません。"));
    else
        return false;
    return true;
}

void BackupRestore::showCopyError() {
    m_dialogs.inform(kCopyError);
}

void BackupRestore::backup(CopyFolder which, CopyWatch& watch) {
    if (which == CopyFolder::Restore) {
        m_dialogs.inform(Stopping("ボタンエラー"));
        return;
    }
    m_shell.saveAll();
    const auto destination = checkedFolder(FolderSetting(m_setup.edit(), which));
    if (!destination)
        return;
    const auto data = dataFolder();
    if (!data || refused(*destination, *data, false))
        return;
    try {
        const std::vector<fs::path> files = BackupSet({m_shell.programFolder(), *data, "."});
        const CopyOutcome outcome = CopyFiles(files, *destination, watch);
        if (!outcome.complete()) {
            m_dialogs.inform(NotCopiedMessage(outcome));
            return;
        }
        m_dialogs.inform(kBackupDone);
        const std::string note = BackupNote(m_clock.now());
        m_setup.set(
            [which](SetupSettings& s) -> std::string& {
                return which == CopyFolder::Backup1 ? s.lblCopy1 : s.lblCopy2;
            },
            note);
    } catch (const std::exception&) {
        showCopyError();
    }
}

bool BackupRestore::allowRestore() {
    return m_dialogs.ask(
        "データ回復作業を行いますと、現在のデータは消去されてしまいます。\r\n\r\nデータ回復作業を行いますか？",
        DialogAnswer::No);
}

void BackupRestore::restore(CopyWatch& watch) {
    if (!m_dialogs.ask("データ回復を行いますか？", DialogAnswer::No)) {
        m_dialogs.inform(kStopped);
        return;
    }
    const auto source = checkedFolder(m_setup.values().edtCopy3);
    if (!source)
        return;
    const auto data = dataFolder();
    if (!data || refused(*source, *data, true))
        return;
    m_shell.saveAll();
    if (const Status written =
            WriteSettingsFile(m_setup, m_shell.programFolder() / kSettingsFileName, TheirChanges::Kept);
        !written)
        m_dialogs.inform(written.error().path + "\r\n" + written.error().cause);
    try {
        runRestore(*source, *data, watch);
    } catch (const std::exception&) {
        showCopyError();
    }
}

void BackupRestore::runRestore(const fs::path& source, const fs::path& data, CopyWatch& watch) {
    const std::vector<std::string> notes = KeepRestoreGenerations(source);
    const std::vector<fs::path> files = RestoreSet(source);
    const CopyOutcome outcome = CopyFiles(files, data, watch);
    std::string message;
    if (outcome.complete()) {
        message = kRestoreDone;
        if (std::none_of(outcome.copied.begin(), outcome.copied.end(),
                         [](const std::string& name) { return MatchesNoCase(name, "Ca*.myc"); }))
            message += "\r\n回復したファイルは " + std::to_string(outcome.copied.size()) + " 個です。";
    } else {
        message = NotCopiedMessage(outcome);
    }
    for (const std::string& note : notes)
        message += "\r\n（コピー元の世代を残せませんでした：" + note + "）";
    // Restoring nothing left the data as it was: the program goes on with it.
    const bool ends = outcome.complete() || !outcome.copied.empty();
    m_dialogs.inform(ends ? message + kRestoreEnds : message);
    if (ends)
        m_shell.endAfterRestore();
}

} // namespace rekko
