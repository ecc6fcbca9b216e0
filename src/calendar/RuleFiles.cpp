// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the holiday and special-day files into rule lists, and writing a list back.
#include "RuleFiles.h"

#include "Resources.h"
#include "base/FileEntry.h"

namespace rekko {

std::vector<std::string> BuiltinHolidayList() {
    return ParseTextBytes(resources::bytesOf(resources::HdayDat, resources::HdayDat_size)).lines();
}

std::optional<std::string> RuleFile::load(DayRules& rules) {
    const char* message = m_list == RuleList::Holidays ? kHolidayFileError : kSpecialDayFileError;
    m_unreadable = false;
    m_read = TextLines();
    if (!FileEntryExists(m_file))
        return std::nullopt;
    auto text = ReadTextFile(m_file);
    m_unreadable = !text;
    if (!text)
        return std::string(message);
    m_read = std::move(text.value());
    const Status set =
        m_list == RuleList::Holidays ? rules.setHolidayList(m_read.lines()) : rules.setSpecialDayList(m_read.lines());
    if (!set)
        return std::string(message);
    return std::nullopt;
}

Status RuleFile::writable() const {
    if (!m_unreadable)
        return Success();
    std::error_code error;
    const std::filesystem::path shown = std::filesystem::absolute(m_file, error);
    return Failure{"読み込めなかったファイルは、上書きしません。", (error ? m_file : shown).string()};
}

} // namespace rekko
