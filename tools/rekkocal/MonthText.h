// A month calendar as terminal text, Sunday first, in the manner of cal(1).
#pragma once

#include <cstdint>
#include <string>

namespace rekko::cli {

// Renders year-month as a heading, a weekday row and up to six week rows; the day today is shown in
// reverse video when highlight is set. With rokuyo each week row is followed by the rokuyo of its days.
std::string MonthText(int32_t year, int month, int32_t today, bool highlight, bool rokuyo = false);

} // namespace rekko::cli
