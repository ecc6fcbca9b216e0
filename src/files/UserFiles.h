// SPDX-License-Identifier: GPL-3.0-or-later
// The user's files: every file name the program reads or writes, the name rules of the month files and the period
// copies, and the file set of the program folder, the data folder and the working folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace rekko {

// In the program folder.
inline constexpr const char* kProgramFileName = "Rekko";
inline constexpr const char* kHelpFolderName = "help"; // the help's pages
inline constexpr const char* kSettingsFileName = "Sorel.ini";
inline constexpr const char* kStartStopRecordFileName = "SorelSte.myd";
inline constexpr const char* kClockLogFileName = "Jikoku.txt"; // the access log of the clock correction
inline constexpr const char* kCommemorationFileName = "Cmr.myc";
inline constexpr const char* kHelpFileName = "HelpRekk.html";
// The shipped texts the memo page shows read-only.
inline constexpr const char* kReadMeFileName = "ReadMe.txt";
inline constexpr const char* kUsageFileName = "CaSima.dat";
inline constexpr const char* kVersionHistoryFileName = "VerUp33.txt";

// In the data folder; the commemoration data in the program folder while no data folder is set.
inline constexpr const char* kPeriodFileName = "CaFromTo.myc";
inline constexpr const char* kMemoFileName = "CaMemo.myc";
inline constexpr const char* kCommemorationDataFileName = "User.myc";
inline constexpr const char* kSyncStateFileName = "CaSync.myc"; // what the calendar sync knows of the server
// The extension of the data files; a folder holding one holds the user's data.
inline constexpr const char* kDataFileExtension = ".myc";

// The working folder: the current directory, with the rule lists, the period copies and the setup's marker.
inline constexpr const char* kWorkingFolder = ".";
inline constexpr const char* kHolidayFileName = "Hday.dat";
inline constexpr const char* kSpecialDayFileName = "Sday.myc";
inline constexpr const char* kStartMarkerName = "Sorel2Ju.$$$";

// Returns the data folder as the settings name it (edFolder), the working folder while they name none.
std::filesystem::path DataFolderPath(const std::string& dataFolder);

// Returns the file name "Ca%.4d%.2d.myc" of a month.
std::string MonthFileName(int year, int month);

// Answers whether a name is that of a month file: "Ca", six digits (a year before 0 with its minus sign), ".myc".
bool IsMonthFileName(std::string_view name);

// Returns the year and month of a month file's name; nothing for another name or a year before 1.
std::optional<std::pair<int32_t, int>> MonthOfFileName(std::string_view name);

// Returns the name "CaFT" + stamp + ".mcp" of today's period copy; the stamp is the year's last digit, the month and
// the tens digit of the day (days 30 and 31 count as 1), so a new name begins about every ten days.
std::string PeriodCopyName(int year, int month, int day);

// Answers whether a name is that of a period-file copy: "CaFT", exactly four visible ASCII characters other than "/",
// then ".mcp". Only such names, in the current directory, are ever deleted as copies.
bool IsPeriodCopyName(std::string_view name);

// Answers whether the program writes whole files of that name: "Sorel.ini", the month files, "CaFromTo.myc" and its
// copies, "CaMemo.myc", "Sday.myc" and "CaSync.myc".
bool IsWrittenFileName(std::string_view name);

// The file set. Program-folder files are full paths; data files are the data folder text (empty, or ending with
// "/") followed by the name, so an empty data folder leaves them relative to the current directory.
struct FileSet {
    std::filesystem::path settings;
    std::filesystem::path startStopRecord;
    std::filesystem::path clockLog;
    std::filesystem::path usage;
    std::filesystem::path readMe;
    std::filesystem::path versionHistory;
    std::filesystem::path commemoration;
    std::filesystem::path commemorationData;
    std::filesystem::path help;
    std::filesystem::path periodFile;
    std::filesystem::path memoFile;
    std::string dataFolder;

    // Returns the month file of a year and month in the data folder.
    std::filesystem::path monthFile(int year, int month) const;
};

// Builds the file set from the program folder and the data folder text.
FileSet BuildFileSet(const std::filesystem::path& programFolder, const std::string& dataFolder);

} // namespace rekko
