// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the data folder through Rekko's settings file.
#include "DataFolder.h"

#include "app/Settings.h"
#include "base/FileEntry.h"
#include "base/ProfileFile.h"
#include "files/UserFiles.h"

namespace rekko::cli {

Settings ProgramSettings(const std::filesystem::path& programFolder) {
    const std::filesystem::path settingsFile = BuildFileSet(programFolder, {}).settings;
    const auto file = ProfileFile::Load(settingsFile);
    if (!file)
        throw DataError(settingsFile.string() + ": " + file.error().cause);
    SettingsKeys settings = MakeSettingsTable();
    if (const Status read = ReadSettings(file.value(), settings, true); !read)
        throw DataError(settingsFile.string() + ": " + read.error().cause);
    return settings.values();
}

std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder) {
    return ProgramSettings(programFolder).edFolder;
}

std::string ReadDataFileBytes(const Environment& environment, const std::string& name, Terminal& terminal) {
    const std::filesystem::path file = DataFolderOf(environment.programFolder) / name;
    if (!FileEntryExists(file))
        return {};
    auto bytes = ReadFileBytes(file);
    if (!bytes) {
        terminal.err << "rekkocal: " << file.string() << ": " << bytes.error().cause << '\n';
        return {};
    }
    return std::move(bytes.value());
}

TextLines ReadDataFile(const Environment& environment, const std::string& name, Terminal& terminal) {
    return ParseTextBytes(ReadDataFileBytes(environment, name, terminal));
}

} // namespace rekko::cli
