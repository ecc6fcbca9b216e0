// Finding the data folder through Rekko's settings file.
#include "DataFolder.h"

#include "app/AppFolders.h"
#include "app/ProfileFile.h"

namespace rekko::cli {

Settings ProgramSettings(const std::filesystem::path& programFolder) {
    Settings settings;
    if (const auto file = ProfileFile::Load(BuildFileSet(programFolder, {}).settings))
        ReadSettings(file.value(), settings, true);
    return settings;
}

std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder) {
    return ProgramSettings(programFolder).edFolder;
}

TextLines ReadDataFile(const Environment& environment, const std::string& name, Terminal& terminal) {
    const std::filesystem::path file = DataFolderOf(environment.programFolder) / name;
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return {};
    auto text = ReadTextFile(file);
    if (!text) {
        terminal.err << "rekkocal: " << file.string() << ": " << text.error().cause << '\n';
        return {};
    }
    return std::move(text.value());
}

} // namespace rekko::cli
