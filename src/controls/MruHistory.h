// SPDX-License-Identifier: GPL-3.0-or-later
// The most-recently-used list of texts a combo box keeps.
#pragma once

#include <string>
#include <vector>

namespace rekko {

// Records a text at the top of a most-recently-used list: a text already listed moves to the top, a new one is
// inserted first; a list that grows past maxCount loses the item at position maxCount. An empty text is not kept.
void RecordInHistory(std::vector<std::string>& items, const std::string& text, size_t maxCount);

} // namespace rekko
