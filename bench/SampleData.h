// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks share: their doubles, and a data folder with the five months of the month window (500 lines
// each) and 1 000 periods.
#pragma once

#include "FakeClock.h"
#include "SilentDialogs.h"

#include <cstdint>
#include <filesystem>

namespace rekko::bench {

// The day the sample window is built around: 2026-12-06.
extern const int32_t kSampleToday;

// Returns the sample data folder, written once per run into a fresh temporary folder.
std::filesystem::path SampleDataFolder();

} // namespace rekko::bench
