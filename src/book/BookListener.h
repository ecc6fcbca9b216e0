// SPDX-License-Identifier: GPL-3.0-or-later
// What an edit of the schedule book changed, and the interface of those told about it.
#pragma once

namespace rekko {

// One change of the schedule book: a month slot replaced whole (its month or all its lines), some days of a slot's
// month, the period list, or the rule lists.
struct BookChange {
    enum class Kind { Slot, Days, Periods, Rules };
    Kind kind = Kind::Slot;
    int slot = -1;    // Slot and Days: 0..5
    int firstDay = 0; // Days: the days of the slot's month, 1..31
    int lastDay = 0;
    bool merged = false; // Slot and Periods: the lines were merged with the disk, so indexes moved
    friend bool operator==(const BookChange&, const BookChange&) = default;
};

// Told of each change of the books it watches, after the change.
class BookListener {
public:
    virtual ~BookListener() = default;
    virtual void bookChanged(const BookChange& change) = 0;
};

} // namespace rekko
