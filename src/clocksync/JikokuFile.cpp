// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing section Jikoku of the settings file.
#include "JikokuFile.h"

#include "ClockSchedule.h"

#include "settings/SettingsFile.h"

namespace rekko {

JikokuKeys ReadJikokuKeys(const std::filesystem::path& settingsFile, LocalDateTime now) {
    JikokuKeys keys;
    DeclareJikokuKeys(keys);
    keys.edit().vTime = TimeDigits(now);
    // A file that cannot be read leaves the defaults.
    (void)ReadSettingsFile(keys, settingsFile);
    return keys;
}

Status WriteJikokuKeys(const std::filesystem::path& settingsFile, JikokuKeys& keys) {
    return WriteSettingsFile(keys, settingsFile, TheirChanges::Kept);
}

} // namespace rekko
