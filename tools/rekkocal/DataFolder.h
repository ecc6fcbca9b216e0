// Where rekkocal finds the user's data: the data folder set in Rekko's settings file.
#pragma once

#include "Commands.h"

#include "app/Settings.h"
#include "calendar/TextFile.h"

#include <filesystem>
#include <string>

namespace rekko::cli {

// Returns the settings of "Sorel.ini" in the program folder, every default when there is none.
Settings ProgramSettings(const std::filesystem::path& programFolder);

// Returns the data folder named by edFolder in "Sorel.ini" of the program folder, or the current directory when
// there is no settings file or it names none.
std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder);

// Reads a file of the data folder; a missing file gives no lines, an unreadable one a message on err and no lines.
TextLines ReadDataFile(const Environment& environment, const std::string& name, Terminal& terminal);

} // namespace rekko::cli
