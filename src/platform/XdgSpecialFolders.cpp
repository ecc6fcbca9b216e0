// SPDX-License-Identifier: GPL-3.0-or-later
// The special folders after the XDG base folder rules.
#include "SpecialFolders.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace rekko {

namespace fs = std::filesystem;

fs::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

namespace {

// An XDG variable counts only when it holds an absolute path.
fs::path baseFolder(const char* variable, const char* fallbackUnderHome) {
    if (const char* value = std::getenv(variable); value && *value == '/')
        return value;
    return HomeFolder() / fallbackUnderHome;
}

// Reads XDG_DESKTOP_DIR="$HOME/…" or an absolute path from the user's folder list; empty when it is not there.
fs::path listedDesktop() {
    std::ifstream list(baseFolder("XDG_CONFIG_HOME", ".config") / "user-dirs.dirs");
    const std::string key = "XDG_DESKTOP_DIR=\"";
    std::string line;
    while (std::getline(list, line)) {
        if (!line.starts_with(key) || !line.ends_with('"'))
            continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.starts_with("$HOME"))
            return HomeFolder() / value.substr(value.starts_with("$HOME/") ? 6 : 5);
        if (value.starts_with('/'))
            return value;
    }
    return {};
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

fs::path XdgSpecialFolders::desktop() const {
    if (fs::path listed = listedDesktop(); !listed.empty())
        return listed;
    return HomeFolder() / "Desktop";
}

fs::path XdgSpecialFolders::startMenu() const {
    return programs() / "Rekko";
}

} // namespace rekko
