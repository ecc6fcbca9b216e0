// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up page's work: the four kinds of shortcut, each switched on or off after its question.
#pragma once

#include "platform/Dialogs.h"
#include "platform/Shortcuts.h"

#include <filesystem>

namespace rekko {

class StartupShortcuts {
public:
    // The shortcuts start the program file given.
    StartupShortcuts(Shortcuts& shortcuts, Dialogs& dialogs, std::filesystem::path program);

    const std::filesystem::path& program() const { return m_program; }
    // Answers whether a shortcut of the program's name lies in the folder, whoever wrote it.
    bool present(ShortcutFolder folder) const;
    // Creates the shortcut when none is there and the question is answered yes; answers whether one is there now.
    bool switchOn(ShortcutFolder folder);
    // Deletes the shortcut of the program's name after the question; answers whether one is still there.
    bool switchOff(ShortcutFolder folder);

private:
    Shortcuts& m_shortcuts;
    Dialogs& m_dialogs;
    std::filesystem::path m_program;
};

} // namespace rekko
