// The holiday rule file "Hday.dat", the special-day file "Sday.myc" and the built-in holiday rules.
#pragma once

#include "DayRules.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

inline constexpr const char* kHolidayFileName = "Hday.dat";
inline constexpr const char* kSpecialDayFileName = "Sday.myc";
inline constexpr const char* kHolidayFileError = "祭日ファイル読込ミス\r\n処理は続けます。";
inline constexpr const char* kSpecialDayFileError = "スペシャルDayファイル読込ミス\r\n処理は続けます。";

// Returns the built-in holiday rules, the content of the "Hday.dat" shipped with the program.
std::vector<std::string> BuiltinHolidayList();

// Reads the holiday file into the rules' holiday list when the file exists (by default "Hday.dat" in the
// current directory). Answers the message to show when the file cannot be read or a line stops the reading;
// a missing file leaves the list as it was and answers nothing.
std::optional<std::string> LoadHolidayFile(DayRules& rules,
                                           const std::filesystem::path& file = kHolidayFileName);

// Reads the special-day file ("Sday.myc") into the special-day list, likewise.
std::optional<std::string> LoadSpecialDayFile(DayRules& rules,
                                              const std::filesystem::path& file = kSpecialDayFileName);

} // namespace rekko
