// SPDX-License-Identifier: GPL-3.0-or-later
// Every #include of src/ and tools/ follows the table of allowed dependencies between folders, and no core folder
// includes Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// The core folders each core folder may include besides itself, in the order of the layers.
const std::map<std::string, std::set<std::string>> kCoreRules = {
    {"base", {}},
    {"files", {}},
    {"platform", {"base"}},
    {"calendar", {"base", "files"}},
    {"settings", {"base", "files", "calendar"}},
    {"schedule", {"base", "files", "calendar", "platform"}},
    {"book", {"base", "files", "calendar", "platform", "schedule"}},
    {"controls", {"base", "files", "calendar", "platform", "book"}},
    {"month", {"base", "files", "calendar", "settings", "platform", "schedule", "book", "controls"}},
    {"year", {"base", "files", "calendar", "settings", "platform", "schedule", "book", "controls"}},
    {"memo", {"base", "files", "calendar", "settings", "platform", "schedule", "book", "controls"}},
    {"timer", {"base", "files", "calendar", "settings", "platform", "schedule", "book", "controls"}},
    {"clocksync", {"base", "files", "calendar", "settings", "platform", "schedule", "book", "controls"}},
    {"maintenance", {"base", "files", "calendar", "settings", "platform", "schedule", "book", "controls", "month"}},
    {"sync", {"base", "files", "calendar", "settings", "platform", "schedule", "book", "controls", "month"}},
    {"app",
     {"base", "files", "calendar", "settings", "platform", "schedule", "book", "controls", "month", "year", "memo",
      "timer", "clocksync", "maintenance", "sync"}},
};

// The record types of schedule/ that the grid's model draws.
const std::set<std::string> kScheduleRecordTypes = {"schedule/LineAttribute.h", "schedule/PeriodRecord.h"};

// Answers whether a file of folder `from` (relative to src/, such as "month/ui", or "tools") may include `header`
// (relative to src/), which lies in folder `to`.
bool Allowed(const std::string& from, const std::string& to, const std::string& header) {
    if (from == to)
        return true;
    const bool toUi = to.ends_with("/ui");
    if (from == "tools")
        return !toUi && kCoreRules.contains(to);
    if (!from.ends_with("/ui")) {
        if (from == "controls" && kScheduleRecordTypes.contains(header))
            return true;
        return !toUi && kCoreRules.at(from).contains(to);
    }
    const std::string core = from.substr(0, from.size() - 3);
    if (!toUi)
        return to == core || kCoreRules.at(core).contains(to);
    return core == "app" || to == "controls/ui" || to == "schedule/ui" || to == "platform/ui";
}

// Answers what is wrong with one #include line of a file of folder `from`, or nothing.
std::string Violation(const std::string& from, const std::smatch& include) {
    const std::string header = include[2];
    if (include[1] == "<") // Qt's headers, by the Q of their names, only in widget folders.
        return header.starts_with("Q") && !from.ends_with("/ui") ? "Qt in a core folder: " + header : "";
    const auto slash = header.rfind('/');
    if (slash == std::string::npos || Allowed(from, header.substr(0, slash), header))
        return ""; // beside the including file, or allowed
    return from + " may not include " + header;
}

TEST(IncludeLayers, EveryIncludeIsOneTheTableAllows) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    const fs::path root = REKKO_SOURCE_DIR;
    size_t checked = 0;
    for (const std::string area : {"src", "tools"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / area)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
                continue;
            const std::string from =
                area == "tools" ? "tools" : fs::relative(entry.path().parent_path(), root / "src").generic_string();
            std::ifstream in(entry.path());
            std::smatch match;
            for (std::string line; std::getline(in, line);) {
                if (!std::regex_search(line, match, include))
                    continue;
                checked += match[1] == "\"";
                if (const std::string wrong = Violation(from, match); !wrong.empty())
                    ADD_FAILURE() << entry.path().string() << ": " << wrong;
            }
        }
    }
    EXPECT_GT(checked, 100u) << "the sources were not found under " << root;
}

} // namespace
