// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder rule, the file set and the sibling lookup.
#include "AppFolders.h"

#include "month/PeriodStore.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace rekko {

namespace fs = std::filesystem;

std::string FolderText(const fs::path& folder) {
    std::string text = folder.string();
    if (!text.empty() && text.back() != '/')
        text += '/';
    return text;
}

Status CheckFolderText(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return Failure{.cause = "制御文字を含んでいます"};
    }
    // The file names of the data folder are appended to it, so leave them room.
    constexpr size_t kFileNameRoom = 32;
    bool tooLong = text.size() + kFileNameRoom >= PATH_MAX;
    for (size_t start = 0; !tooLong && start < text.size();) {
        const size_t end = std::min(text.find('/', start), text.size());
        tooLong = end - start > NAME_MAX;
        start = end + 1;
    }
    if (tooLong)
        return Failure{.cause = "パスとして長すぎます"};
    return Success();
}

fs::path FileSet::monthFile(int year, int month) const {
    char name[32];
    std::snprintf(name, sizeof name, "Ca%.4d%.2d.myc", year, month);
    return dataFolder + name;
}

bool IsWrittenFileName(std::string_view name) {
    for (const std::string_view fixed : {"Sorel.ini", "CaFromTo.myc", "CaMemo.myc", "Sday.myc"}) {
        if (name == fixed)
            return true;
    }
    if (IsPeriodCopyName(name))
        return true;
    // "Ca%.4d%.2d.myc": six digits, or a year before 0 with its minus sign.
    if (!name.starts_with("Ca") || !name.ends_with(".myc"))
        return false;
    std::string_view digits = name.substr(2, name.size() - 6);
    if (digits.starts_with('-'))
        digits.remove_prefix(1);
    return digits.size() == 6 && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

FileSet BuildFileSet(const fs::path& programFolder, const std::string& dataFolder) {
    FileSet files;
    files.settings = programFolder / kSettingsFileName;
    files.startStopRecord = programFolder / "SorelSte.myd";
    files.usage = programFolder / "CaSima.dat";
    files.readMe = programFolder / "ReadMe.txt";
    files.versionHistory = programFolder / "VerUp33.txt";
    files.commemoration = programFolder / "Cmr.myc";
    files.commemorationData = dataFolder.empty() ? programFolder / "User.myc" : fs::path(dataFolder + "User.myc");
    files.help = programFolder / "HelpRekk.html";
    files.periodFile = dataFolder + "CaFromTo.myc";
    files.memoFile = dataFolder + "CaMemo.myc";
    files.dataFolder = dataFolder;
    return files;
}

std::optional<fs::path> FindSibling(std::string_view name, const fs::path& programFolder,
                                    const fs::path& programsFolder) {
    const fs::path candidates[] = {
        programFolder / name,
        programFolder / name / name,
        programsFolder / "Vell" / name / name,
    };
    for (const auto& candidate : candidates) {
        std::error_code error;
        // A folder of the same name (the second layout) must not count as the program itself.
        if (fs::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

} // namespace rekko
