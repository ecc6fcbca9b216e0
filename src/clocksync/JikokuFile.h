// SPDX-License-Identifier: GPL-3.0-or-later
// Section Jikoku of the settings file: read when the settings window or a retrieval carrier is created, written only
// when the settings window closes.
#pragma once

#include "JikokuSettings.h"

#include "base/LocalDateTime.h"
#include "base/Result.h"

#include <filesystem>

namespace rekko {

using JikokuKeys = SettingsTable<JikokuSettings>;

// Reads section Jikoku from the settings file; a missing or unreadable file, or a missing key, gives the default. An
// absent set time is the time of day now.
JikokuKeys ReadJikokuKeys(const std::filesystem::path& settingsFile, LocalDateTime now);

// Writes every key of section Jikoku into the settings file as it is on disk now, leaving its other sections as they
// are; a key someone else changed there since it was read keeps their value unless it was changed here too.
Status WriteJikokuKeys(const std::filesystem::path& settingsFile, JikokuKeys& keys);

} // namespace rekko
