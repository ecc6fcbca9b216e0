// SPDX-License-Identifier: GPL-3.0-or-later
// A settings table and the file it is kept in: its keys read from the file, and written into the file as it is on
// disk now, every other section and key left as it is.
#pragma once

#include "SettingsTable.h"

#include "base/ProfileFile.h"

#include <filesystem>

namespace rekko {

namespace detail {
inline Failure NamingFile(Failure failure, const std::filesystem::path& file) {
    if (failure.path.empty())
        failure.path = file.string();
    return failure;
}
} // namespace detail

// Reads the table's keys from the file; a missing file reads as an empty one. Fails when the file cannot be read.
template <class Values> Status ReadSettingsFile(SettingsTable<Values>& table, const std::filesystem::path& file) {
    const auto profile = ProfileFile::Load(file);
    if (!profile)
        return detail::NamingFile(profile.error(), file);
    return table.read(profile.value());
}

// What a write does with a key someone else changed on disk since the table last read or wrote it.
enum class TheirChanges {
    Overwritten,
    Kept, // unless the key was changed here too
};

// Writes the table's keys into the file as it is on disk now through the one atomic write. Fails, naming the file
// and leaving it as it was, when it cannot be read or written.
template <class Values>
Status WriteSettingsFile(SettingsTable<Values>& table, const std::filesystem::path& file,
                         TheirChanges theirs = TheirChanges::Overwritten) {
    auto profile = ProfileFile::Load(file);
    if (!profile)
        return detail::NamingFile(profile.error(), file);
    if (theirs == TheirChanges::Kept)
        (void)table.takeChangesFrom(profile.value());
    if (Status written = table.write(profile.value()); !written)
        return detail::NamingFile(written.error(), file);
    return profile.value().save(file);
}

} // namespace rekko
