// SPDX-License-Identifier: GPL-3.0-or-later
// The combo box history.
#include "MruHistory.h"

#include <algorithm>

namespace rekko {

void RecordInHistory(std::vector<std::string>& items, const std::string& text, size_t maxCount) {
    if (text.empty())
        return;
    if (const auto found = std::find(items.begin(), items.end(), text); found != items.end())
        std::rotate(items.begin(), found, found + 1);
    else
        items.insert(items.begin(), text);
    if (items.size() > maxCount)
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(maxCount));
}

} // namespace rekko
