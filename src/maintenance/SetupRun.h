// SPDX-License-Identifier: GPL-3.0-or-later
// The setup: copying the program, and optionally the data, into another folder with its shortcuts, then handing over
// to the program started there.
#pragma once

#include "MaintenanceShell.h"

#include "platform/Dialogs.h"
#include "platform/ProgramStarter.h"
#include "platform/Shortcuts.h"

#include <chrono>
#include <filesystem>
#include <functional>

namespace rekko {

enum class SetupMode { New, Options, Overwrite, FromSorel, ToSorel };

// What the page chose. Outside the options mode the options keep their defaults.
struct SetupChoice {
    std::filesystem::path location;
    SetupMode mode = SetupMode::New;
    bool cbDataC = false;
    bool cbStartup = true;
    bool cbDeskTop = false;
    bool cbStartMenu = true;
    bool cbProgram = false;
};

// Answers whether the path is the folder or lies inside it, links resolved.
bool IsWithinFolder(const std::filesystem::path& path, const std::filesystem::path& folder);

// Copies the program file, read whole however large it is (past the limit of the user's files), written atomically
// with its permissions.
Status CopyProgramFile(const std::filesystem::path& from, const std::filesystem::path& to);

// The default location: ~/.local/share/Vell/Rekko/ (after XDG_DATA_HOME).
std::filesystem::path DefaultSetupLocation(const SpecialFolders& folders);

// The location of the edition switches: ~/.local/share/Sorel/.
std::filesystem::path SorelLocation(const SpecialFolders& folders);

// Asks about the backup when the mode chosen replaces installed data (the overwrite and the edition switches) and
// asks for one when the answer is no; the mode stays chosen either way.
void AskAboutBackup(SetupMode mode, Dialogs& dialogs);

// Asks whether copying the data may overwrite data at the destination; answers yes (no is the default).
bool ConfirmDataCopy(Dialogs& dialogs);

// Returns the folder chosen for the setup, with a subfolder "Rekko" when the user wants one added to a folder that
// neither holds the program nor names it.
std::filesystem::path ChosenLocation(const std::filesystem::path& folder, Dialogs& dialogs);

// What the setup works with, all outliving it.
struct SetupParts {
    MaintenanceShell& shell;
    Dialogs& dialogs;
    Shortcuts& shortcuts;
    ProgramStarter& starter;
    std::filesystem::path program; // the running program file
    // Waits the time while the program stays responsive.
    std::function<void(std::chrono::milliseconds)> pause;
};

class SetupRun {
public:
    explicit SetupRun(SetupParts parts);

    // Runs the setup the choice names, from the question to the end of the program; answers whether the program
    // was handed over (it is then ending).
    bool run(const SetupChoice& choice);

private:
    bool checkSource() const;
    bool checkDestination(const SetupChoice& choice, const std::filesystem::path& destination) const;
    Status copyHelp(const std::filesystem::path& destination) const;
    Status install(const SetupChoice& choice, const std::filesystem::path& destination) const;
    // The switches between the editions (EditionSwitch.cpp).
    bool switchEdition(SetupMode mode, const std::filesystem::path& destination) const;
    Status switchFiles(SetupMode mode, const std::filesystem::path& destination, bool sameFolder) const;
    Status replaceShortcuts(bool toSorel, const std::filesystem::path& destination) const;
    // Leaves the marker, starts the program of the name in the destination, waits and ends this program.
    bool handOver(const std::filesystem::path& destination, const char* programName, const char* notice) const;

    SetupParts m_parts;
    std::filesystem::path m_source; // the program's folder
};

} // namespace rekko
