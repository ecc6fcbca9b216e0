// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar base shared by the month grid and the small month calendars: the current date with its setter
// rules, today and the control's own rule lists.
#pragma once

#include "calendar/DayRules.h"
#include "calendar/Julius.h"

#include <cstdint>
#include <memory>

namespace rekko {

class CustomCalendar {
public:
    // Starts on today's date with the given rules (the plain rules when none are given).
    explicit CustomCalendar(int32_t today, std::unique_ptr<DayRules> rules = nullptr);
    virtual ~CustomCalendar() = default;

    int32_t JuliusDay() const { return m_julius; }
    int32_t Year() const { return m_date.year; }
    int Month() const { return m_date.month; }
    int Day() const { return m_date.day; }

    // Each setter answers whether the date changed. Year, Month and Day are applied only when the resulting date
    // exists, so Month := 2 on the 31st changes nothing. Throws EJuliusError for a date in the reform gap.
    bool setJuliusDay(int32_t jd);
    bool setYear(int32_t year);
    bool setMonth(int month);
    bool setDay(int day);

    // Moves one day forward or back.
    bool nextDay() { return setJuliusDay(m_julius + 1); }
    bool previousDay() { return setJuliusDay(m_julius - 1); }

    // Moves to the same day of the next or previous month, lowered to that month's last day when it has none.
    bool nextMonth() { return goToYearMonth(m_date.year, m_date.month + 1, m_date.day); }
    bool previousMonth() { return goToYearMonth(m_date.year, m_date.month - 1, m_date.day); }

    // Sets the date to the day of a year and month; months outside 1..12 roll into the next or previous years
    // (13 is January of the next year, 0 December of the year before) and the day is lowered to the month's last.
    bool goToYearMonth(int32_t year, int month, int day);

    // The day number of today, taken at creation, for the today mark.
    int32_t today() const { return m_today; }
    void setToday(int32_t jd) { m_today = jd; }

    DayRules& rules() { return *m_rules; }
    const DayRules& rules() const { return *m_rules; }

private:
    bool setDate(int32_t year, int month, int day);

    int32_t m_julius = 0;
    CalendarDate m_date;
    int32_t m_today = 0;
    std::unique_ptr<DayRules> m_rules;
};

} // namespace rekko
