// SPDX-License-Identifier: GPL-3.0-or-later
// The folder browser of the copy page: a folder chooser captioned "確認 -Rekko-" with the prompt
// "フォルダを指定してください。".
#pragma once

#include <QWidget>

#include <filesystem>
#include <optional>

namespace rekko {

// Opens the chooser on start; answers the folder chosen, or nothing when the user cancelled.
std::optional<std::filesystem::path> BrowseFolder(QWidget* parent, const std::filesystem::path& start);

} // namespace rekko
