// SPDX-License-Identifier: GPL-3.0-or-later
// The commemoration settings: section Commemoration of "Cmr.myc" in the program folder.
#pragma once

#include "base/ProfileFile.h"

#include <string>

namespace rekko {

inline constexpr const char* kCommemorationSection = "Commemoration";

// One value per key of section Commemoration, named after the key, holding its default.
struct Commemoration {
    std::string pCedtSp = "Rekko記念機能";
    std::string pClblSp = "Rekko記念機能";
    bool pCcbMigishita = true;
    bool pCcbHorikomi = true;
    std::string pCedtMigishita = "Rekko   -Rekko Plus-";
    bool pCcbKinenbiHyouji = true;
    bool pCcbYoteiHyouji = true;
    bool pCcbYuusen = true;
    std::string pCedtSPColor = "clTeal";
};

// Reads the section; a missing key or a flag that is not an integer takes the key's default.
Commemoration ReadCommemoration(const ProfileFile& file);

// Writes every key of the section, leaving the rest of the file as it is.
Status WriteCommemoration(ProfileFile& file, const Commemoration& values);

} // namespace rekko
