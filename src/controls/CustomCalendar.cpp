// SPDX-License-Identifier: GPL-3.0-or-later
// The current date of a calendar control and its setter rules.
#include "CustomCalendar.h"

#include "CalendarLayout.h"

#include "calendar/Julius.h"

#include <algorithm>

namespace rekko {

CustomCalendar::CustomCalendar(int32_t today, std::unique_ptr<DayRules> rules)
    : m_julius(today), m_date(DecodeJuliusDay(today)), m_today(today),
      m_rules(rules ? std::move(rules) : std::make_unique<DayRules>()) {}

bool CustomCalendar::setJuliusDay(int32_t jd) {
    if (jd == m_julius)
        return false;
    m_julius = jd;
    m_date = DecodeJuliusDay(jd);
    return true;
}

bool CustomCalendar::setDate(int32_t year, int month, int day) {
    if (!IsValidYMD(year, month, day))
        return false;
    return setJuliusDay(EncodeJuliusDay(year, month, day));
}

bool CustomCalendar::setYear(int32_t year) {
    return setDate(year, m_date.month, m_date.day);
}

bool CustomCalendar::setMonth(int month) {
    return setDate(m_date.year, month, m_date.day);
}

bool CustomCalendar::setDay(int day) {
    return setDate(m_date.year, m_date.month, day);
}

bool CustomCalendar::goToYearMonth(int32_t year, int month, int day) {
    NormalizeYearMonth(year, month);
    return setJuliusDay(EncodeJuliusDay(year, month, std::clamp(day, 1, LastDayOfMonth(year, month))));
}

} // namespace rekko
