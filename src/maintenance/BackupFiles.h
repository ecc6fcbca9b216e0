// SPDX-License-Identifier: GPL-3.0-or-later
// The file sets of backup and restore, and the two generations of memo and period copies kept in a restore source.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

// The folders the file sets are taken from.
struct BackupFolders {
    std::filesystem::path program;
    std::filesystem::path data;    // the working folder when no data folder is set
    std::filesystem::path working; // where the program reads "Sday.myc" and writes the period copies
};

// Returns the files a backup copies, in the order of the set: "Ca*.myc" of the data folder, "Sorel.ini",
// "SorelSte.myd", "Sorxl.xls", "CaFT*.mcp" and "*Day.myc" of the program folder and "CaFT*.mcp" and "Sday.myc" of the
// working folder, "User.myc" of the data folder. Names match without regard to case; a file reached twice, or a
// second file of a name already in the set, is left out.
std::vector<std::filesystem::path> BackupSet(const BackupFolders& folders);

// Returns the files a restore copies from its source: "Ca*.myc" and "User.myc".
std::vector<std::filesystem::path> RestoreSet(const std::filesystem::path& source);

// Keeps two generations in the restore source: "CaMTmp1.myc" becomes "CaMTmp2.myc" and "CaMemo.myc" becomes
// "CaMTmp1.myc", and the same with "CaFTTmp2.myc", "CaFTTmp1.myc" and "CaFromTo.myc"; a generation whose source is
// missing is removed. Each copy is atomic. Answers a note per step that failed (a read-only backup); the rest go on.
std::vector<std::string> KeepRestoreGenerations(const std::filesystem::path& source);

} // namespace rekko
