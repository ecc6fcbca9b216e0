// SPDX-License-Identifier: GPL-3.0-or-later
// The commemoration commands: questions, the bulk runs and their messages.
#include "CommemorationCommands.h"

#include "NoCaseNames.h"

#include "files/UserFiles.h"

#include <cstdio>

namespace fs = std::filesystem;

namespace rekko {

namespace {

constexpr const char* kBackupQuestion = "予定データは退避（バックアップ）されましたでしょうか？";
constexpr const char* kBackUpFirst = "退避（バックアップ）してから、実行してください。\r\n中止します。";
constexpr const char* kStopped = "中止いたします。";

std::string Counted(const char* format, int count) {
    char text[128];
    std::snprintf(text, sizeof text, format, count);
    return text;
}

} // namespace

fs::path CommemorationCommands::setFolder() const {
    return CommemorationFolder(kWorkingFolder, m_shell.programFolder());
}

bool CommemorationCommands::backedUp(const std::string& what) {
    if (m_dialogs.ask(kBackupQuestion + what, DialogAnswer::No))
        return true;
    m_dialogs.inform(kBackUpFirst);
    return false;
}

bool CommemorationCommands::mayImport() {
    if (FilesMatching(setFolder(), kCommemorationFilePattern).empty()) {
        m_dialogs.inform("読み込むべきデータが有りません。");
        return false;
    }
    return backedUp();
}

bool CommemorationCommands::mayDelete() {
    return backedUp();
}

CommandEnd CommemorationCommands::finish(const BulkRun& run, const char* countText, const char* failureText) {
    if (run.rewrote)
        m_shell.reloadSchedules();
    if (run.stopped) {
        m_dialogs.inform(std::string(failureText) + "\r\n\r\n" + run.stopped->path + "\r\n" + run.stopped->cause);
        return CommandEnd::Failed;
    }
    m_dialogs.inform(Counted(countText, run.counted));
    return CommandEnd::Done;
}

CommandEnd CommemorationCommands::import(const CommemorationImport& how) {
    if (!m_dialogs.ask("Rekko記念日の予定を読み込みますか？")) {
        m_dialogs.inform("読込を中止いたします。");
        return CommandEnd::Stopped;
    }
    return finish(ImportCommemorations(setFolder(), m_shell.dataFolder(), how), "%d 件（ファイル単位）読み込みました。",
                  "追加処理の途中でエラーが発生しました。\r\nデータをチェックしてください。");
}

CommandEnd CommemorationCommands::remove(std::string_view codeText) {
    const int code = DeleteCodeOf(codeText);
    if (code < kFirstDeletableCode) {
        m_dialogs.inform("削除番号が不明です。");
        return CommandEnd::Stopped;
    }
    if (!m_dialogs.ask("Rekko記念日の予定の内、削除コード[" + std::to_string(code) + "]を削除しますか？",
                       DialogAnswer::No)) {
        m_dialogs.inform(kStopped);
        return CommandEnd::Stopped;
    }
    return finish(DeleteCommemorations(m_shell.dataFolder(), code), "%d 件（ファイル単位）削除しました。",
                  "削除処理の途中でエラーが発生しました。\r\nデータをチェックしてください。");
}

CommandEnd CommemorationCommands::stamp(std::string_view codeText, StampTarget target) {
    const int code = DeleteCodeOf(codeText);
    if (code < 1) {
        m_dialogs.inform("削除コードが不明です。");
        return CommandEnd::Stopped;
    }
    if (!m_dialogs.ask("データの削除コードを[" + std::to_string(code) + "]に変更しますか？", DialogAnswer::No)) {
        m_dialogs.inform(kStopped);
        return CommandEnd::Stopped;
    }
    const bool months = target == StampTarget::MonthFiles;
    const fs::path folder = months ? DataFolderPath(m_shell.dataFolder()) : m_shell.programFolder();
    const char* pattern = months ? kMonthFilePattern : kCommemorationFilePattern;
    const std::string shown = (folder / pattern).string();
    m_dialogs.inform(shown);
    // The user's own schedules would then go with the next deletion of that code.
    if (months && !backedUp("\r\n\r\n" + shown))
        return CommandEnd::Stopped;
    return finish(StampDeleteCode(folder, pattern, code), "削除コードを %d 件変更しました。",
                  "削除コード変更の途中でエラーが発生しました。\r\nすべての変更をなしにして中止します。");
}

} // namespace rekko
