// SPDX-License-Identifier: GPL-3.0-or-later
// The month window's slots, labels, file names and range.
#include "MonthWindow.h"

#include "base/TextProcedures.h"
#include "calendar/Julius.h"
#include "files/UserFiles.h"

#include <cstdio>

namespace rekko {

namespace {

// Returns "１月".."１２月" with full-width digits.
std::string monthLabel(int month) {
    return (month >= 10 ? FullWidthDigit(month / 10) : std::string()) + FullWidthDigit(month % 10) + "月";
}

void setMonth(MonthSlot& slot, int year, int month) {
    slot = MonthSlot{};
    slot.year = year;
    slot.month = month;
    slot.fileName = MonthFileName(year, month);
}

} // namespace

void MonthWindow::build(int32_t today) {
    const CalendarDate date = DecodeJuliusDay(today);
    for (int i = 0; i < 6; ++i) {
        int year = date.year;
        int month = date.month - 1 + i;
        // Slot 5 keeps month 13 for a September start; only its first day is used, which is 1 January.
        const bool keepThirteen = i == kJumpSlot && date.month >= 2 && date.month <= 9;
        if (month < 1) {
            month += 12;
            --year;
        } else if (month > 12 && !keepThirteen) {
            month -= 12;
            ++year;
        }
        setMonth(m_slots[static_cast<size_t>(i)], year, month);
        if (i < kJumpSlot)
            m_slots[static_cast<size_t>(i)].label = monthLabel(month);
    }
    m_firstDay = EncodeJuliusDay(m_slots[0].year, m_slots[0].month, 1);
    m_lastDay = EncodeJuliusDay(m_slots[kJumpSlot].year, m_slots[kJumpSlot].month, 1) - 1;
}

int MonthWindow::findSlot(int year, int month) const {
    for (int i = 0; i < kJumpSlot; ++i)
        if (m_slots[static_cast<size_t>(i)].year == year && m_slots[static_cast<size_t>(i)].month == month)
            return i;
    return -1;
}

void MonthWindow::setJumpedMonth(int year, int month) {
    MonthSlot& jumped = m_slots[kJumpSlot];
    setMonth(jumped, year, month);
    char label[32];
    std::snprintf(label, sizeof label, "%d.%2d", year, month);
    jumped.label = label;
}

} // namespace rekko
