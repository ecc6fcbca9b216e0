// SPDX-License-Identifier: GPL-3.0-or-later
// The special-folders port: the user's Startup, Programs and data folders.
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
    // Returns the program's own folder for user data, used when the executable's folder is read-only.
    virtual std::filesystem::path userData() const = 0;
};

// The XDG base folders: $XDG_CONFIG_HOME/autostart, $XDG_DATA_HOME/applications and $XDG_DATA_HOME/Rekko, with
// ~/.config and ~/.local/share when the variables are unset or not absolute.
class XdgSpecialFolders : public SpecialFolders {
public:
    std::filesystem::path startup() const override;
    std::filesystem::path programs() const override;
    std::filesystem::path userData() const override;
};

} // namespace rekko
