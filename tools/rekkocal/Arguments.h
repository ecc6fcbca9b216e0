// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing of rekkocal's arguments: dates, day numbers, years and months.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rekko::cli {

// A bad argument; its message is printed as the one line on standard error.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The span of years the commands accept: day number 0 to the end of year 9999.
constexpr int32_t kFirstYear = -4712;
constexpr int32_t kLastYear = 9999;

// Parses "YYYY-MM-DD" (a leading "-" for years before 1) of an existing date into its day number.
// Throws UsageError for malformed or non-existent dates and years outside kFirstYear..kLastYear, with the
// reform-gap message inside the gap.
int32_t ParseDate(std::string_view text);

// Parses a decimal integer within [min, max]; what names the argument in the message, which gives the range.
int64_t ParseInteger(std::string_view text, int64_t min, int64_t max, std::string_view what);

// Throws UsageError with the command's usage line unless min <= args.size() <= max.
void ExpectCount(const std::vector<std::string>& args, size_t min, size_t max, const char* usage);

// Removes a flag from the arguments; answers whether it was there. Throws UsageError when it is there twice.
bool TakeFlag(std::vector<std::string>& args, std::string_view flag);

// Formats a day number as "YYYY-MM-DD", years before 1 as "-YYYY-MM-DD".
std::string FormatDate(int32_t jd);

} // namespace rekko::cli
