// Reading the holiday and special-day files into a control's rule lists.
#include "RuleFiles.h"

#include "FileEntry.h"
#include "Resources.h"
#include "TextFile.h"

namespace rekko {

namespace {

using ListSetter = Status (DayRules::*)(std::vector<std::string>);

std::optional<std::string> loadRuleFile(DayRules& rules, const std::filesystem::path& file, ListSetter setter,
                                        const char* message) {
    if (!FileEntryExists(file))
        return std::nullopt;
    auto text = ReadTextFile(file);
    if (!text)
        return std::string(message);
    if (!(rules.*setter)(std::move(text.value().lines)))
        return std::string(message);
    return std::nullopt;
}

} // namespace

std::vector<std::string> BuiltinHolidayList() {
    return ParseTextBytes(resources::bytesOf(resources::HdayDat, resources::HdayDat_size)).lines;
}

std::optional<std::string> LoadHolidayFile(DayRules& rules, const std::filesystem::path& file) {
    return loadRuleFile(rules, file, &DayRules::setHolidayList, kHolidayFileError);
}

std::optional<std::string> LoadSpecialDayFile(DayRules& rules, const std::filesystem::path& file) {
    return loadRuleFile(rules, file, &DayRules::setSpecialDayList, kSpecialDayFileError);
}

} // namespace rekko
