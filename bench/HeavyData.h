// SPDX-License-Identifier: GPL-3.0-or-later
// A data folder of a heavy, long-time user, for measuring what fifty years of data cost.
#pragma once

#include "base/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rekko::bench {

// The last month of the heavy folder: 2026-12, so the month window around 2026-12-06 finds its files.
inline constexpr int kHeavyLastYear = 2026;
inline constexpr int kHeavyLastMonth = 12;

// Writes into a folder, in code page 932 with CR LF, 600 month files of 500 lines (1977-01 to 2026-12), a period
// file of 10 000 periods, a memo of 30 000 bytes and 300 anniversaries.
Status WriteHeavyDataFolder(const std::filesystem::path& folder);

// Writes the heavy folder cut to its last months (up to 600, ending 2026-12) and that many periods spread over them.
Status WriteHeavyMonths(const std::filesystem::path& folder, int months, int periods);

// Returns the heavy folder's 300 anniversaries, as lines of its special-day file.
std::vector<std::string> HeavyAnniversaryLines();

// Returns a heavy data folder, written once per run into a fresh temporary folder.
std::filesystem::path HeavyDataFolder();

} // namespace rekko::bench
