// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the editor Pomta from Ctrl+F11 and btnM8, unless it already runs.
#pragma once

#include "platform/Dialogs.h"
#include "platform/InstanceRegistry.h"
#include "platform/ProgramStarter.h"

#include <filesystem>
#include <string>

namespace rekko {

// The title of Pomta's window (two leading spaces, one trailing), the name it answers on.
inline constexpr const char* kPomtaWindowTitle = "  Pomta - Pomta - ";

class PomtaLauncher {
public:
    // pomta is the editor's executable.
    PomtaLauncher(InstanceRegistry& instances, Dialogs& dialogs, ProgramStarter& starter, std::filesystem::path pomta);

    // Answers whether Pomta shows its window, after telling the user to quit it first.
    bool busy();
    // Ctrl+F11: starts Pomta unless it runs.
    void startFromHotkey();
    // btnM8: starts Pomta with the memo page's argument unless it runs; answers whether it started (the main window
    // then goes resident while cbRekkoJ is on).
    bool openMemo(const std::string& argument);

private:
    bool start(const std::vector<std::string>& arguments);

    InstanceRegistry& m_instances;
    Dialogs& m_dialogs;
    ProgramStarter& m_starter;
    std::filesystem::path m_pomta;
};

} // namespace rekko
