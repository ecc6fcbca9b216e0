// A month calendar as terminal text, Sunday first, in the manner of cal(1).
#pragma once

#include <cstdint>
#include <string>

namespace rekko::cli {

// Renders year-month as a heading, a weekday row and up to six week rows; the day today is shown in
// reverse video when highlight is set.
std::string MonthText(int32_t year, int month, int32_t today, bool highlight);

} // namespace rekko::cli
