// SPDX-License-Identifier: GPL-3.0-or-later
// Which help page a window or page opens, and the address of a page of the installed help.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// The help's first page, opened by the help menu and where no window has a page of its own.
inline constexpr const char* kHelpIndexTopic = "index.html";

// Returns the help page ("page.html" or "page.html#part") of the innermost of the product names (the focused control
// and its parents, innermost first) that has one: the pages of the main window, the schedule dialog and its pages,
// the settings pages, the timer, the iCalendar export. Names without a page give the first page.
std::string HelpTopic(const std::vector<std::string>& namesInnermostFirst);

// Returns the file address of a help page in the "help" folder of the shipped files, the folder percent-encoded and
// the part after "#" kept.
std::string HelpAddress(const std::filesystem::path& shippedFolder, std::string_view topic);

} // namespace rekko
