// SPDX-License-Identifier: GPL-3.0-or-later
// The special folders after the XDG base folder rules.
#include "SpecialFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace rekko {

namespace fs = std::filesystem;

namespace {

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

// An XDG variable counts only when it holds an absolute path.
fs::path baseFolder(const char* variable, const char* fallbackUnderHome) {
    if (const char* value = std::getenv(variable); value && *value == '/')
        return value;
    return homeFolder() / fallbackUnderHome;
}

} // namespace

fs::path XdgSpecialFolders::startup() const {
    return baseFolder("XDG_CONFIG_HOME", ".config") / "autostart";
}

fs::path XdgSpecialFolders::programs() const {
    return baseFolder("XDG_DATA_HOME", ".local/share") / "applications";
}

fs::path XdgSpecialFolders::userData() const {
    return baseFolder("XDG_DATA_HOME", ".local/share") / "Rekko";
}

} // namespace rekko
