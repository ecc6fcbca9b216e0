// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing section Jikoku of the settings file.
#include "JikokuFile.h"

#include "ClockSchedule.h"

#include "base/ProfileFile.h"

namespace rekko {

JikokuKeys ReadJikokuKeys(const std::filesystem::path& settingsFile, LocalDateTime now) {
    JikokuKeys keys;
    DeclareJikokuKeys(keys);
    keys.edit().vTime = TimeDigits(now);
    auto file = ProfileFile::Load(settingsFile);
    (void)keys.read(file.ok() ? file.value() : ProfileFile{});
    return keys;
}

Status WriteJikokuKeys(const std::filesystem::path& settingsFile, JikokuKeys& keys) {
    auto file = ProfileFile::Load(settingsFile);
    if (!file)
        return Failure{.cause = file.error().cause, .path = settingsFile.string()};
    (void)keys.takeChangesFrom(file.value());
    if (Status written = keys.write(file.value()); !written)
        return Failure{.cause = written.error().cause, .path = settingsFile.string()};
    return file.value().save(settingsFile);
}

} // namespace rekko
