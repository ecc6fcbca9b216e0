// Finding the data folder through Rekko's settings file.
#include "DataFolder.h"

#include "app/AppFolders.h"
#include "app/ProfileFile.h"
#include "app/Settings.h"

namespace rekko::cli {

std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder) {
    const auto file = ProfileFile::Load(BuildFileSet(programFolder, {}).settings);
    if (!file)
        return {};
    Settings settings;
    ReadSettings(file.value(), settings, true);
    return settings.edFolder;
}

} // namespace rekko::cli
