// SPDX-License-Identifier: GPL-3.0-or-later
// Fills a schedule book's month slot or period list as a file holding the given lines would.
#pragma once

#include "book/ScheduleBook.h"

#include <string>
#include <vector>

namespace rekko::test {

// Returns the lines as read from a code page 932 file holding them, each ending in CR LF.
inline TextLines ReadLines(const std::vector<std::string>& lines) {
    return ParseTextBytes(TextLines().compose(lines).value());
}

// Gives a slot its month and loads the lines into it.
inline void LoadMonth(ScheduleBook& book, int slot, int32_t year, int month, const std::vector<std::string>& lines) {
    book.setSlotMonth(slot, year, month);
    book.loadSlot(slot, ReadLines(lines));
}

} // namespace rekko::test
