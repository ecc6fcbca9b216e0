// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of section Setup of the settings file that the maintenance window keeps: its place, the backup and
// restore folders with the notes of the last backups, the export's format and folder, and the month workbook's
// options.
#pragma once

#include "settings/SettingsFile.h"

#include <filesystem>
#include <string>

namespace rekko {

inline constexpr const char* kSetupSection = "Setup";
inline constexpr const char* kNotBackedUpNote = "バックアップされていません。";

struct SetupSettings {
    int SetupY = 0;
    int SetupX = 0;
    std::string edtCopy1;
    std::string edtCopy2;
    std::string lblCopy1 = kNotBackedUpNote;
    std::string lblCopy2 = kNotBackedUpNote;
    std::string edtCopy3;
    bool rbText = true;
    bool rbCSV = false;
    std::string TextDir; // empty: the program folder
    // The month workbook: what it writes; the values here stand for keys missing from the file.
    bool cbExTitle = true;
    int rgExTitle = 0; // the title's form: 0 year and month, 1 with the title text after them, 2 the title text alone
    std::string edtExTitle = "予定表";
    bool cbExDate = true;
    bool cbExSaijitu = true;
    bool cbExKinenbi = true;
    bool cbExNaiyou = true;
    bool cbExShoshiki = true;
    bool cbExPreview = true;
};

// Sets the month workbook's options to the page's defaults (also those without a settings file).
void ResetExcelOptions(SetupSettings& settings);

using SetupTable = SettingsTable<SetupSettings>;

// Returns the table of section Setup with its keys and write order.
SetupTable MakeSetupTable();

// Reads section Setup from the settings file; without a settings file the month workbook's options are the page's
// defaults.
Status ReadSetupSettings(SetupTable& table, const std::filesystem::path& settingsFile);

} // namespace rekko
