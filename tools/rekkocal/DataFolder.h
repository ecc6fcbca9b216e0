// Where rekkocal finds the user's data: the data folder set in Rekko's settings file.
#pragma once

#include <filesystem>

namespace rekko::cli {

// Returns the data folder named by edFolder in "Sorel.ini" of the program folder, or the current directory when
// there is no settings file or it names none.
std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder);

} // namespace rekko::cli
