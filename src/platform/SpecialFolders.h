// SPDX-License-Identifier: GPL-3.0-or-later
// The special-folders port: the user's Startup, Desktop, Start Menu, Programs and data folders.
#pragma once

#include <filesystem>

namespace rekko {

class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;

    // Returns the folder of programs started with the session (the Startup folder).
    virtual std::filesystem::path startup() const = 0;
    // Returns the folder of the user's program menu entries (the Programs folder).
    virtual std::filesystem::path programs() const = 0;
    // Returns the user's desktop folder.
    virtual std::filesystem::path desktop() const = 0;
    // Returns the folder of the program's own menu entries (the Start Menu folder).
    virtual std::filesystem::path startMenu() const = 0;
    // Returns the program's own folder for user data, used when the executable's folder is read-only.
    virtual std::filesystem::path userData() const = 0;
};

// Returns the user's home folder: $HOME, else the user's entry of the password file.
std::filesystem::path HomeFolder();

// The XDG base folders: $XDG_CONFIG_HOME/autostart, $XDG_DATA_HOME/applications (and its subfolder Rekko) and
// $XDG_DATA_HOME/Rekko, with ~/.config and ~/.local/share when the variables are unset or not absolute; the desktop
// is XDG_DESKTOP_DIR of the user's folder list (user-dirs.dirs), else ~/Desktop.
class XdgSpecialFolders : public SpecialFolders {
public:
    std::filesystem::path startup() const override;
    std::filesystem::path programs() const override;
    std::filesystem::path desktop() const override;
    std::filesystem::path startMenu() const override;
    std::filesystem::path userData() const override;
};

} // namespace rekko
