// SPDX-License-Identifier: GPL-3.0-or-later
// The program's shortcuts as freedesktop desktop entries marked as our own.
#include "Shortcuts.h"

#include "ProgramOutput.h"

#include "base/AtomicWrite.h"
#include "base/TextFile.h"

#include <string_view>

namespace rekko {

namespace fs = std::filesystem;

namespace {

// The key that tells our entries from those the user or another program wrote.
constexpr std::string_view kOursLine = "X-Rekko-Generated=true";

// Escapes a value of the string type: backslashes and control characters.
std::string StringValue(std::string_view text) {
    std::string value;
    for (const char c : text) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        default:
            value += c;
        }
    }
    return value;
}

// Quotes the program path for Exec where it holds a reserved character; the field codes' "%" is doubled either way.
std::string ExecProgram(const std::string& path) {
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string argument;
    const bool quoted = path.find_first_of(reserved) != std::string::npos;
    for (const char c : path) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\'))
            argument += '\\';
        argument += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return StringValue(quoted ? "\"" + argument + "\"" : argument);
}

} // namespace

std::string DesktopEntryText(ShortcutFolder folder, const fs::path& program) {
    std::string text = "[Desktop Entry]\nType=Application\nName=Rekko\n";
    text += "Comment=Japanese calendar and scheduler\nComment[ja]=カレンダーとスケジュール帳\n";
    text += "Exec=" + ExecProgram(program.string()) + "\n";
    text += "Path=" + StringValue(program.parent_path().string()) + "\n";
    text += "Icon=rekko\nTerminal=false\n";
    if (folder == ShortcutFolder::StartMenu)
        text += "Categories=Office;Calendar;\n";
    if (folder == ShortcutFolder::Programs)
        text += "Categories=Utility;\n";
    if (folder == ShortcutFolder::Startup)
        text += "X-GNOME-Autostart-enabled=true\n";
    text += std::string(kOursLine) + "\n";
    return text;
}

DesktopEntryShortcuts::DesktopEntryShortcuts(const SpecialFolders& folders) : m_folders(folders) {}

fs::path DesktopEntryShortcuts::file(ShortcutFolder folder, const std::string& name) const {
    const std::string fileName = name + ".desktop";
    switch (folder) {
    case ShortcutFolder::Startup:
        return m_folders.startup() / fileName;
    case ShortcutFolder::Desktop:
        return m_folders.desktop() / fileName;
    case ShortcutFolder::StartMenu:
        return m_folders.startMenu() / fileName;
    case ShortcutFolder::Programs:
        break;
    }
    return m_folders.programs() / fileName;
}

ShortcutState DesktopEntryShortcuts::state(ShortcutFolder folder, const std::string& name) const {
    const fs::path path = file(folder, name);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (!fs::exists(status))
        return ShortcutState::Absent;
    if (!fs::is_regular_file(status))
        return ShortcutState::Foreign;
    const Result<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return ShortcutState::Foreign;
    for (const std::string_view line : LineBytes(bytes.value()))
        if (line == kOursLine)
            return ShortcutState::Ours;
    return ShortcutState::Foreign;
}

Status DesktopEntryShortcuts::create(ShortcutFolder folder, const std::string& name, const fs::path& program) {
    const fs::path path = file(folder, name);
    if (state(folder, name) == ShortcutState::Foreign)
        return Failure{.cause = kShortcutFailedMessage, .path = path.string()};
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    // Desktops start a launcher on the desktop only when it is executable (and, in GNOME, trusted).
    const bool launcher = folder == ShortcutFolder::Desktop;
    const fs::perms permissions = launcher ? fs::perms(0755) : fs::perms(0644);
    if (const Status written = WriteFileAtomically(path, DesktopEntryText(folder, program), permissions); !written)
        return Failure{.cause = kShortcutFailedMessage, .path = path.string()};
    if (launcher)
        (void)ProgramOutput("gio", {"set", path.c_str(), "metadata::trusted", "true"}, std::chrono::seconds(5));
    return Success();
}

Status DesktopEntryShortcuts::remove(ShortcutFolder folder, const std::string& name, bool evenForeign) {
    const ShortcutState found = state(folder, name);
    if (found == ShortcutState::Absent || (found == ShortcutState::Foreign && !evenForeign))
        return Success();
    const fs::path path = file(folder, name);
    std::error_code error;
    if (!fs::remove(path, error) && error)
        return Failure{.cause = kDeleteFailedMessage, .path = path.string()};
    return Success();
}

Status DesktopEntryShortcuts::removeFor(ShortcutFolder folder, const std::string& name, const fs::path& program) {
    if (state(folder, name) != ShortcutState::Ours)
        return Success();
    const Result<std::string> bytes = ReadFileBytes(file(folder, name));
    if (!bytes)
        return Success();
    const std::string exec = "Exec=" + ExecProgram(program.string());
    for (const std::string_view line : LineBytes(bytes.value()))
        if (line == exec)
            return remove(folder, name, false);
    return Success();
}

} // namespace rekko
