// SPDX-License-Identifier: GPL-3.0-or-later
// rekkocal entry: runs one command with the real clock and the terminal.
#include "Commands.h"

#include "files/UserFiles.h"
#include "platform/Clock.h"
#include "platform/ProgramLocation.h"
#include "platform/SecretStore.h"

#include <filesystem>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    rekko::SystemClock clock;
    rekko::cli::Terminal terminal{std::cout, std::cerr, ::isatty(STDOUT_FILENO) == 1};
    const rekko::XdgSpecialFolders folders;
    const rekko::ProgramPlace place = rekko::LocateProgram(rekko::ExecutablePath(), folders);
    // Installed, rekkocal works in Rekko's own folder as Rekko does; file names given stay those of the folder it
    // was started in.
    std::error_code error;
    const std::filesystem::path startedIn = std::filesystem::current_path(error);
    if (!rekko::EnterWorkingFolder(place, rekko::kHolidayFileName))
        std::cerr << "rekkocal: cannot enter " << place.programFolder.string() << '\n';
    rekko::LibsecretStore secrets;
    rekko::SyncPorts sync{secrets, rekko::CalDavSyncServices()};
    const rekko::cli::Environment environment{clock, place.programFolder, startedIn, place.shippedFolder, &sync};
    return rekko::cli::Run(std::vector<std::string>(argv + 1, argv + argc), environment, terminal);
}
