// SPDX-License-Identifier: GPL-3.0-or-later
// The month window: five months around today plus the jumped month, each with its label and file name.
#pragma once

#include "book/ScheduleBook.h"

#include <array>
#include <cstdint>
#include <string>

namespace rekko {

// One month of the window and its file ("Ca%.4d%.2d.myc"); the schedule book keeps the lines and the file as read.
struct MonthSlot {
    int year = 0;
    int month = 0;
    std::string label;    // tab label: "１月".."１２月", or "%d.%2d" for the jumped month
    std::string fileName; // empty for a jumped month that could not be set
};

class MonthWindow {
public:
    // Fills the six slots around today: the previous month, this month, three following months and, in slot 5,
    // this month + 4 (month 13 when this month is September), none of them loaded.
    void build(int32_t today);

    MonthSlot& slot(int index) { return m_slots[static_cast<size_t>(index)]; }
    const MonthSlot& slot(int index) const { return m_slots[static_cast<size_t>(index)]; }

    // The window range: the first day of slot 0 to the last day of slot 4.
    int32_t firstDay() const { return m_firstDay; }
    int32_t lastDay() const { return m_lastDay; }

    // Returns the slot 0..4 holding a year and month, or -1.
    int findSlot(int year, int month) const;

    // Sets slot 5 to a jumped month: label "%d.%2d", its file name, not loaded.
    void setJumpedMonth(int year, int month);

private:
    std::array<MonthSlot, 6> m_slots;
    int32_t m_firstDay = 0;
    int32_t m_lastDay = 0;
};

} // namespace rekko
