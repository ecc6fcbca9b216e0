// SPDX-License-Identifier: GPL-3.0-or-later
// The name rules of the user's files and their file set.
#include "UserFiles.h"

#include <charconv>
#include <cstdio>

namespace rekko {

namespace fs = std::filesystem;

std::string MonthFileName(int year, int month) {
    char name[40];
    std::snprintf(name, sizeof name, "Ca%.4d%.2d.myc", year, month);
    return name;
}

bool IsMonthFileName(std::string_view name) {
    if (!name.starts_with("Ca") || !name.ends_with(".myc"))
        return false;
    std::string_view digits = name.substr(2, name.size() - 6);
    if (digits.starts_with('-'))
        digits.remove_prefix(1);
    return digits.size() == 6 && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<std::pair<int32_t, int>> MonthOfFileName(std::string_view name) {
    if (!IsMonthFileName(name) || name[2] == '-')
        return std::nullopt;
    int32_t year = 0;
    int month = 0;
    std::from_chars(name.data() + 2, name.data() + 6, year);
    std::from_chars(name.data() + 6, name.data() + 8, month);
    if (year < 1 || month < 1 || month > 12)
        return std::nullopt;
    return std::pair(year, month);
}

std::string PeriodCopyName(int year, int month, int day) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%.4d%.2d%.2d", year, month, day < 30 ? day : 1);
    return "CaFT" + std::string(stamp).substr(3, 4) + ".mcp";
}

bool IsPeriodCopyName(std::string_view name) {
    if (name.size() != 12 || !name.starts_with("CaFT") || !name.ends_with(".mcp"))
        return false;
    for (const char c : name.substr(4, 4)) {
        if (c <= ' ' || c > '~' || c == '/')
            return false;
    }
    return true;
}

bool IsWrittenFileName(std::string_view name) {
    for (const std::string_view fixed :
         {kSettingsFileName, kPeriodFileName, kMemoFileName, kSpecialDayFileName, kSyncStateFileName}) {
        if (name == fixed)
            return true;
    }
    return IsPeriodCopyName(name) || IsMonthFileName(name);
}

fs::path FileSet::monthFile(int year, int month) const {
    return dataFolder + MonthFileName(year, month);
}

FileSet BuildFileSet(const fs::path& programFolder, const std::string& dataFolder) {
    FileSet files;
    files.settings = programFolder / kSettingsFileName;
    files.startStopRecord = programFolder / kStartStopRecordFileName;
    files.clockLog = programFolder / kClockLogFileName;
    files.usage = programFolder / kUsageFileName;
    files.readMe = programFolder / kReadMeFileName;
    files.versionHistory = programFolder / kVersionHistoryFileName;
    files.commemoration = programFolder / kCommemorationFileName;
    files.commemorationData = dataFolder.empty() ? programFolder / kCommemorationDataFileName
                                                 : fs::path(dataFolder + kCommemorationDataFileName);
    files.help = programFolder / kHelpFileName;
    files.periodFile = dataFolder + kPeriodFileName;
    files.memoFile = dataFolder + kMemoFileName;
    files.dataFolder = dataFolder;
    return files;
}

std::filesystem::path DataFolderPath(const std::string& dataFolder) {
    return dataFolder.empty() ? std::filesystem::path(kWorkingFolder) : std::filesystem::path(dataFolder);
}

} // namespace rekko
