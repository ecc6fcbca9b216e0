// SPDX-License-Identifier: GPL-3.0-or-later
// The folder texts and the sibling lookup.
#include "AppFolders.h"

#include <algorithm>
#include <climits>

namespace rekko {

namespace fs = std::filesystem;

std::string FolderText(const fs::path& folder) {
    std::string text = folder.string();
    if (!text.empty() && text.back() != '/')
        text += '/';
    return text;
}

Status CheckFolderText(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return Failure{.cause = "制御文字を含んでいます"};
    }
    // The file names of the data folder are appended to it, so leave them room.
    constexpr size_t kFileNameRoom = 32;
    bool tooLong = text.size() + kFileNameRoom >= PATH_MAX;
    for (size_t start = 0; !tooLong && start < text.size();) {
        const size_t end = std::min(text.find('/', start), text.size());
        tooLong = end - start > NAME_MAX;
        start = end + 1;
    }
    if (tooLong)
        return Failure{.cause = "パスとして長すぎます"};
    return Success();
}

std::optional<fs::path> FindSibling(std::string_view name, const fs::path& programFolder,
                                    const fs::path& programsFolder) {
    const fs::path candidates[] = {
        programFolder / name,
        programFolder / name / name,
        programsFolder / "Vell" / name / name,
    };
    for (const auto& candidate : candidates) {
        std::error_code error;
        // A folder of the same name (the second layout) must not count as the program itself.
        if (fs::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

} // namespace rekko
