// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the "/J" argument.
#include "CommandLine.h"

#include "settings/ValueText.h"

#include <algorithm>

namespace rekko {

int ResidentCountdownSeconds(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return 0;
    const std::string& first = arguments.front();
    if (first.size() < 2 || first[0] != '/' || (first[1] != 'J' && first[1] != 'j'))
        return 0;
    // A negative number cannot count down; it means no move, as 0 does.
    return std::max(0, IntegerOr(first.size() > 2 ? std::string_view(first).substr(2, 2) : std::string_view(), 0));
}

} // namespace rekko
