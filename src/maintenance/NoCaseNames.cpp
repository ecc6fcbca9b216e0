// SPDX-License-Identifier: GPL-3.0-or-later
// Matching file names without regard to case.
#include "NoCaseNames.h"

#include <algorithm>

namespace rekko {

namespace fs = std::filesystem;

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool MatchesNoCase(std::string_view name, std::string_view pattern) {
    // Greedy match with one backtrack point: the last "*" seen.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<fs::path> FilesMatching(const fs::path& folder, std::string_view pattern) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error) && MatchesNoCase(it->path().filename().string(), pattern))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<fs::path> FindNoCase(const fs::path& folder, std::string_view name) {
    std::error_code error;
    if (fs::is_regular_file(folder / name, error))
        return folder / name;
    const auto files = FilesMatching(folder, name);
    return files.empty() ? std::nullopt : std::optional(files.front());
}

} // namespace rekko
