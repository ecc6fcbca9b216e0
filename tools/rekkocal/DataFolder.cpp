// Finding the data folder through Rekko's settings file.
#include "DataFolder.h"

#include "app/AppFolders.h"
#include "app/ProfileFile.h"
#include "app/Settings.h"
#include "calendar/FileEntry.h"

namespace rekko::cli {

std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder) {
    const auto file = ProfileFile::Load(BuildFileSet(programFolder, {}).settings);
    if (!file)
        return {};
    Settings settings;
    ReadSettings(file.value(), settings, true);
    return settings.edFolder;
}

TextLines ReadDataFile(const Environment& environment, const std::string& name, Terminal& terminal) {
    const std::filesystem::path file = DataFolderOf(environment.programFolder) / name;
    if (!FileEntryExists(file))
        return {};
    auto text = ReadTextFile(file);
    if (!text) {
        terminal.err << "rekkocal: " << file.string() << ": " << text.error().cause << '\n';
        return {};
    }
    return std::move(text.value());
}

} // namespace rekko::cli
