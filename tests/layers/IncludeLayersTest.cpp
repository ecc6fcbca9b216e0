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
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::set<std::string> kCoreFolders = {"base", "platform", "calendar", "controls",  "schedule",    "month",
                                            "year", "memo",     "timer",    "clocksync", "maintenance", "app"};

// The core folders each core folder may include besides itself, in the order of the layers.
const std::map<std::string, std::set<std::string>> kCoreRules = {
    {"base", {}},
    {"platform", {"base"}},
    {"calendar", {"base"}},
    {"schedule", {"base", "calendar", "platform"}},
    {"controls", {"base", "calendar", "platform"}},
    {"month", {"base", "calendar", "platform", "controls", "schedule"}},
    {"year", {"base", "calendar", "platform", "controls", "schedule"}},
    {"memo", {"base", "calendar", "platform", "controls", "schedule"}},
    {"timer", {"base", "calendar", "platform", "controls", "schedule"}},
    {"clocksync", {"base", "calendar", "platform", "controls", "schedule"}},
    {"maintenance", {"base", "calendar", "platform", "controls", "schedule", "month"}},
    {"app",
     {"base", "calendar", "platform", "controls", "schedule", "month", "year", "memo", "timer", "clocksync",
      "maintenance"}},
};

// The record types of schedule/ that the grid's model draws.
const std::set<std::string> kScheduleRecordTypes = {"schedule/LineAttribute.h", "schedule/PeriodRecord.h"};

// Answers whether a file of folder `from` (relative to src/, such as "month/ui", or "tools") may include `header`
// (relative to src/), which lies in folder `to`.
bool Allowed(const std::string& from, const std::string& to, const std::string& header) {
    if (from == to)
        return true;
    const bool fromUi = from.ends_with("/ui");
    const bool toUi = to.ends_with("/ui");
    if (from == "tools")
        return !toUi && kCoreFolders.contains(to);
    if (!fromUi) {
        if (from == "controls" && kScheduleRecordTypes.contains(header))
            return true;
        return !toUi && kCoreRules.at(from).contains(to);
    }
    const std::string core = from.substr(0, from.size() - 3);
    if (!toUi)
        return to == core || kCoreRules.at(core).contains(to);
    return core == "app" || to == "controls/ui" || to == "schedule/ui" || to == "platform/ui";
}

struct Include {
    fs::path file;
    std::string from;
    std::string header;
    bool angled;
};

std::vector<Include> IncludesOf(const fs::path& root, const std::string& area) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> found;
    for (const auto& entry : fs::recursive_directory_iterator(root / area)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        const std::string folder = fs::relative(entry.path().parent_path(), root / "src").generic_string();
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            std::smatch match;
            if (std::regex_search(line, match, include))
                found.push_back({entry.path(), area == "tools" ? "tools" : folder, match[2], match[1] == "<"});
        }
    }
    return found;
}

TEST(IncludeLayers, EveryIncludeIsOneTheTableAllows) {
    const fs::path root = REKKO_SOURCE_DIR;
    std::vector<std::string> violations;
    size_t checked = 0;
    for (const std::string area : {"src", "tools"}) {
        for (const Include& include : IncludesOf(root, area)) {
            if (include.angled) {
                // Qt's headers, by the Q of their names, only in widget folders.
                if (include.header.starts_with("Q") && !include.from.ends_with("/ui"))
                    violations.push_back(include.file.string() + ": Qt in a core folder: " + include.header);
                continue;
            }
            const auto slash = include.header.rfind('/');
            if (slash == std::string::npos)
                continue; // beside the including file
            ++checked;
            const std::string to = include.header.substr(0, slash);
            if (!Allowed(include.from, to, include.header))
                violations.push_back(include.file.string() + ": " + include.from + " may not include " +
                                     include.header);
        }
    }
    EXPECT_GT(checked, 100u) << "the sources were not found under " << root;
    for (const std::string& violation : violations)
        ADD_FAILURE() << violation;
}

TEST(IncludeLayers, TheTableRefusesWhatCrossesALayer) {
    EXPECT_FALSE(Allowed("month", "app", "app/MainController.h"));
    EXPECT_FALSE(Allowed("base", "calendar", "calendar/Julius.h"));
    EXPECT_FALSE(Allowed("month/ui", "app/ui", "app/ui/MainMenu.h"));
    EXPECT_FALSE(Allowed("controls", "schedule", "schedule/DayLines.h"));
    EXPECT_TRUE(Allowed("controls", "schedule", "schedule/PeriodRecord.h"));
    EXPECT_TRUE(Allowed("month/ui", "schedule/ui", "schedule/ui/ScheduleDialog.h"));
}

} // namespace
