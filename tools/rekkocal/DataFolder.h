// SPDX-License-Identifier: GPL-3.0-or-later
// Where rekkocal finds the user's data: the data folder set in Rekko's settings file.
#pragma once

#include "Commands.h"

#include "app/Settings.h"
#include "base/TextFile.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace rekko::cli {

// The data a command needs cannot be read; its message names the file and the cause.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Returns the settings of "Sorel.ini" in the program folder, every default when there is none. Throws DataError when
// the settings file exists but cannot be read, or its edFolder cannot become a path.
Settings ProgramSettings(const std::filesystem::path& programFolder);

// Returns the data folder named by edFolder in "Sorel.ini" of the program folder, or the current directory when
// there is no settings file or it names none. Throws DataError as ProgramSettings.
std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder);

// Reads the bytes of a file of the data folder; a missing file gives none, an unreadable one a message on err and
// none. Throws DataError as DataFolderOf.
std::string ReadDataFileBytes(const Environment& environment, const std::string& name, Terminal& terminal);

// Reads a file of the data folder as lines, as ReadDataFileBytes reads its bytes.
TextLines ReadDataFile(const Environment& environment, const std::string& name, Terminal& terminal);

} // namespace rekko::cli
