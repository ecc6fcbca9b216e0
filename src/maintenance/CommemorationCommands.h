// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the commemoration pages: the switches with the backup question, the import, the deletion by code
// and the stamping of a delete code, with their questions and messages.
#pragma once

#include "CommemorationSets.h"
#include "MaintenanceShell.h"

#include "platform/Dialogs.h"

#include <string_view>

namespace rekko {

// Where a delete code is stamped: the set files of the program folder, or the user's month files.
enum class StampTarget { SetFiles, MonthFiles };

// How a command ended: asked and stopped (or refused), done with a count shown, or stopped by a failure (the window
// then closes).
enum class CommandEnd { Stopped, Done, Failed };

class CommemorationCommands {
public:
    CommemorationCommands(MaintenanceShell& shell, Dialogs& dialogs) : m_shell(shell), m_dialogs(dialogs) {}

    // 「読込」をＯＮ with the import controls off: answers whether they may be switched on (set files found and
    // the backup question answered yes).
    bool mayImport();
    // 「削除」をＯＮ with the code field off: answers whether it may be switched on.
    bool mayDelete();

    // 予定追加読込: merges the sets of the commemoration folder into the month files.
    CommandEnd import(const CommemorationImport& how);
    // 削除開始: removes the lines of the typed code from the month files.
    CommandEnd remove(std::string_view codeText);
    // 削除コード記入: stamps the typed code on the set files or the month files.
    CommandEnd stamp(std::string_view codeText, StampTarget target);

    // The folder the sets are taken from.
    std::filesystem::path setFolder() const;

private:
    bool backedUp(const std::string& what = {});
    // Reloads the months when the run rewrote a file, shows the count or the failure, and answers how it ended.
    CommandEnd finish(const BulkRun& run, const char* countText, const char* failureText);

    MaintenanceShell& m_shell;
    Dialogs& m_dialogs;
};

} // namespace rekko
