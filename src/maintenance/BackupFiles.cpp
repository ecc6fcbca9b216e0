// SPDX-License-Identifier: GPL-3.0-or-later
// The file sets of backup and restore and the generations of the restore source.
#include "BackupFiles.h"

#include "NoCaseNames.h"

#include "base/FileCopy.h"
#include "files/UserFiles.h"

#include <array>
#include <set>

namespace rekko {

namespace fs = std::filesystem;

namespace {

class FileList {
public:
    void add(const fs::path& folder, std::string_view pattern) {
        for (const fs::path& file : FilesMatching(folder, pattern))
            addFile(file);
    }
    void addNamed(const fs::path& folder, std::string_view name) {
        if (const auto file = FindNoCase(folder, name))
            addFile(*file);
    }
    std::vector<fs::path> take() { return std::move(m_files); }

private:
    // A file is known by its name in the set and by its real path.
    void addFile(const fs::path& file) {
        std::error_code error;
        const fs::path real = fs::weakly_canonical(file, error);
        if (m_names.insert(file.filename().string()).second && m_reals.insert(error ? file : real).second)
            m_files.push_back(file);
    }
    std::vector<fs::path> m_files;
    std::set<std::string> m_names;
    std::set<fs::path> m_reals;
};

// Replaces older by a copy of newer, or removes older when there is no newer. Answers a note when it failed.
std::optional<std::string> Shift(const fs::path& folder, std::string_view newerName, std::string_view olderName) {
    const fs::path older = FindNoCase(folder, olderName).value_or(folder / olderName);
    std::error_code error;
    if (const auto newer = FindNoCase(folder, newerName)) {
        if (const Status copied = CopyFileAtomically(*newer, older); !copied)
            return older.filename().string() + "：" + copied.error().cause;
    } else if (fs::is_regular_file(older, error) && !fs::remove(older, error)) {
        return older.filename().string() + "：" + error.message();
    }
    return std::nullopt;
}

} // namespace

std::vector<fs::path> BackupSet(const BackupFolders& folders) {
    FileList list;
    list.add(folders.data, "Ca*.myc");
    list.addNamed(folders.program, kSettingsFileName);
    list.addNamed(folders.program, kStartStopRecordFileName);
    list.addNamed(folders.program, "Sorxl.xls");
    list.add(folders.program, "CaFT*.mcp");
    list.add(folders.working, "CaFT*.mcp");
    list.add(folders.program, "*Day.myc");
    list.addNamed(folders.working, kSpecialDayFileName);
    list.addNamed(folders.data, kCommemorationDataFileName);
    return list.take();
}

std::vector<fs::path> RestoreSet(const fs::path& source) {
    FileList list;
    list.add(source, "Ca*.myc");
    list.addNamed(source, kCommemorationDataFileName);
    return list.take();
}

std::vector<std::string> KeepRestoreGenerations(const fs::path& source) {
    static constexpr std::array<std::array<const char*, 3>, 2> kGenerations = {
        {{"CaMTmp2.myc", "CaMTmp1.myc", kMemoFileName}, {"CaFTTmp2.myc", "CaFTTmp1.myc", kPeriodFileName}}};
    std::vector<std::string> notes;
    for (const auto& [second, first, current] : kGenerations)
        for (const auto& [newer, older] : {std::pair{first, second}, std::pair{current, first}})
            if (auto note = Shift(source, newer, older))
                notes.push_back(std::move(*note));
    return notes;
}

} // namespace rekko
