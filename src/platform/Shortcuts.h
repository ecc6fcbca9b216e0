// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcut port: the program's shortcuts in the Startup, Desktop, Start Menu and Programs folders.
#pragma once

#include "SpecialFolders.h"

#include "base/Result.h"

#include <array>
#include <filesystem>
#include <string>

namespace rekko {

inline constexpr const char* kShortcutFailedMessage = "ショートカットの作成に失敗しました。";
inline constexpr const char* kDeleteFailedMessage = "ファイルの削除に失敗しました。";
// The base name of the program's shortcuts.
inline constexpr const char* kShortcutName = "Rekko";

enum class ShortcutFolder { Startup, Desktop, StartMenu, Programs };
inline constexpr std::array<ShortcutFolder, 4> kShortcutFolders = {ShortcutFolder::Startup, ShortcutFolder::Desktop,
                                                                   ShortcutFolder::StartMenu, ShortcutFolder::Programs};

// Absent; written by this program; or of the name but written by someone else (or no plain file).
enum class ShortcutState { Absent, Ours, Foreign };

class Shortcuts {
public:
    virtual ~Shortcuts() = default;

    // Answers whether a shortcut of the name lies in the folder and who wrote it.
    virtual ShortcutState state(ShortcutFolder folder, const std::string& name) const = 0;
    // Writes the shortcut that starts the program in the program's folder, replacing one of ours; a foreign one is
    // kept and the creation fails.
    virtual Status create(ShortcutFolder folder, const std::string& name, const std::filesystem::path& program) = 0;
    // Deletes the shortcut of the name; a foreign one only when evenForeign. Nothing there is no failure.
    virtual Status remove(ShortcutFolder folder, const std::string& name, bool evenForeign) = 0;
    // Deletes our shortcut of the name when it starts the program; a foreign one, or ours to another program, stays.
    virtual Status removeFor(ShortcutFolder folder, const std::string& name, const std::filesystem::path& program) = 0;
};

// Shortcuts as freedesktop desktop entries "<name>.desktop" marked as written by this program: in the Startup folder
// enabled for the session start, on the desktop executable and trusted (where gio is there), in the Start Menu under
// Office, in the Programs folder under Utility, so that the two menu entries land in different submenus.
class DesktopEntryShortcuts : public Shortcuts {
public:
    explicit DesktopEntryShortcuts(const SpecialFolders& folders);

    ShortcutState state(ShortcutFolder folder, const std::string& name) const override;
    Status create(ShortcutFolder folder, const std::string& name, const std::filesystem::path& program) override;
    Status remove(ShortcutFolder folder, const std::string& name, bool evenForeign) override;
    Status removeFor(ShortcutFolder folder, const std::string& name, const std::filesystem::path& program) override;

    // Returns the file of a shortcut.
    std::filesystem::path file(ShortcutFolder folder, const std::string& name) const;

private:
    const SpecialFolders& m_folders;
};

// Returns the desktop entry's text of a shortcut to the program in that folder.
std::string DesktopEntryText(ShortcutFolder folder, const std::filesystem::path& program);

} // namespace rekko
