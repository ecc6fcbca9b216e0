// SPDX-License-Identifier: GPL-3.0-or-later
// Where every file of the program lives: program folder, data folder, current directory, and the sibling programs.
#pragma once

#include "base/Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

inline constexpr const char* kSettingsFileName = "Sorel.ini";
inline constexpr const char* kStartMarkerName = "Sorel2Ju.$$$";

// Returns a folder as text ending with "/", the form in which folders are shown and stored; empty stays empty.
std::string FolderText(const std::filesystem::path& folder);

// Checks a folder text from the settings or the user before it becomes a path: a control character (NUL among them,
// which would cut the path short) or a length no path of this system can have fails with the cause.
Status CheckFolderText(std::string_view text);

// The file set. Program-folder files are full paths; data files are the data folder text (empty, or ending with
// "/") followed by the name, so an empty data folder leaves them relative to the current directory.
struct FileSet {
    std::filesystem::path settings;          // "Sorel.ini"
    std::filesystem::path startStopRecord;   // "SorelSte.myd"
    std::filesystem::path usage;             // "CaSima.dat"
    std::filesystem::path readMe;            // "ReadMe.txt"
    std::filesystem::path versionHistory;    // "VerUp33.txt"
    std::filesystem::path commemoration;     // "Cmr.myc"
    std::filesystem::path commemorationData; // "User.myc": data folder if set, else program folder
    std::filesystem::path help;              // "HelpRekk.html"
    std::filesystem::path periodFile;        // "CaFromTo.myc"
    std::filesystem::path memoFile;          // "CaMemo.myc"
    std::string dataFolder;

    // Returns the month file "Ca%.4d%.2d.myc" of a year and month in the data folder.
    std::filesystem::path monthFile(int year, int month) const;
};

// Answers whether the program writes whole files of that name: "Sorel.ini", the month files "Ca%.4d%.2d.myc",
// "CaFromTo.myc" and its copies, "CaMemo.myc" and "Sday.myc".
bool IsWrittenFileName(std::string_view name);

// Builds the file set from the program folder and the data folder text.
FileSet BuildFileSet(const std::filesystem::path& programFolder, const std::string& dataFolder);

// Finds a sibling program of the suite by its name: program folder + name, program folder + name/name, then the
// programs folder + "Vell/" + name/name; the first regular file wins. Answers nothing when none exists.
std::optional<std::filesystem::path> FindSibling(std::string_view name, const std::filesystem::path& programFolder,
                                                 const std::filesystem::path& programsFolder);

} // namespace rekko
