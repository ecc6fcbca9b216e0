// SPDX-License-Identifier: GPL-3.0-or-later
// The five jump slots of the memo page: lines remembered by hand or set from marker lines, moved with the text
// when lines are added or removed.
#pragma once

#include "platform/Dialogs.h"

#include <array>
#include <string>
#include <vector>

namespace rekko {

inline constexpr int kJumpSlots = 5;
inline constexpr const char* kSlotTakenMessage = "すでに、登録されています。";

// An edit of the memo text in lines: where it began (line counted from 1, column counted from 0) and how many
// line ends it inserted and removed.
struct LineChange {
    int line = 1;
    int column = 0;
    int added = 0;
    int removed = 0;
    int delta() const { return added - removed; }
};

// Returns the digit 1..5 a line marks as a jump target: "&" and a digit 1-5, or the full-width "＆" and a
// full-width digit "１"-"５", at the very start of the line; 0 for any other line.
int MarkerDigit(const std::string& line);

// Returns the first visible line (counted from 0) that puts a jump target (counted from 1) 11 lines below the top.
int JumpTopLine(int line);

class MemoJumps {
public:
    // A line number counted from 1 per slot; 0 is an empty slot.
    using Slots = std::array<int, kJumpSlots>;

    const Slots& lines() const { return m_slots; }
    // Takes stored slots; negative values count as empty.
    void setSlots(const Slots& slots);
    bool isSet(int slot) const { return m_slots.at(static_cast<size_t>(slot)) > 0; }
    int line(int slot) const { return m_slots.at(static_cast<size_t>(slot)); }

    // Sets the slots from the marker lines of a text: when it has any, every slot is cleared first and each marker
    // sets the slot of its digit to its line (the last marker of a digit wins); a text without markers keeps the
    // remembered slots. Answers the number of slots set from markers.
    int setFromMarkers(const std::vector<std::string>& lines);

    // Remembers the caret line in an empty slot; a set slot is kept and "すでに、登録されています。" is shown.
    // Answers whether the slot took the line.
    bool remember(int slot, int line, Dialogs& dialogs);
    void clear(int slot) { m_slots.at(static_cast<size_t>(slot)) = 0; }

    // Moves the slots with an edit: a slot below the changed lines moves by the change in line count; a slot on a
    // line that was joined away moves to the line it joined; a slot on the edited line moves down only when lines
    // were inserted at the very start of it, pushing its text down.
    void shift(const LineChange& change);

private:
    Slots m_slots{};
};

} // namespace rekko
