// SPDX-License-Identifier: GPL-3.0-or-later
// The holiday rule file "Hday.dat", the special-day file "Sday.myc" and the built-in holiday rules.
#pragma once

#include "DayRules.h"
#include "base/TextFile.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rekko {

inline constexpr const char* kHolidayFileError = "祭日ファイル読込ミス\r\n処理は続けます。";
inline constexpr const char* kSpecialDayFileError = "スペシャルDayファイル読込ミス\r\n処理は続けます。";

// Returns the built-in holiday rules, the content of the "Hday.dat" shipped with the program.
std::vector<std::string> BuiltinHolidayList();

enum class RuleList { Holidays, SpecialDays };

// A rule file as read into one list of the rules, kept so that the list can be written back: the bytes of its lines,
// and whether the file existed but could not be read.
class RuleFile {
public:
    RuleFile(RuleList list, std::filesystem::path file) : m_list(list), m_file(std::move(file)) {}

    // Reads the file into its list of the rules when the file exists. Answers the message to show when the file
    // cannot be read or a line stops the reading (the list then keeps every line); a missing file leaves the list
    // as it was and answers nothing.
    std::optional<std::string> load(DayRules& rules);

    // Fails, naming the file, when it exists but could not be read: such a file is never written.
    Status writable() const;
    const std::filesystem::path& file() const { return m_file; }
    // The file as read or last written; set after each write.
    const TextLines& read() const { return m_read; }
    void setRead(TextLines read) { m_read = std::move(read); }

private:
    RuleList m_list;
    std::filesystem::path m_file;
    TextLines m_read;
    bool m_unreadable = false;
};

} // namespace rekko
