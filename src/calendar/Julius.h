// SPDX-License-Identifier: GPL-3.0-or-later
// Date arithmetic on Julian day numbers across the Gregorian reform, and the local date-and-time value.
#pragma once

#include "base/LocalDateTime.h"

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace rekko {

// Raised for a date inside the reform gap 1582-10-05..1582-10-14.
class EJuliusError : public std::runtime_error {
public:
    EJuliusError();
};

// A calendar date; year 0 is 1 BC, negative years are allowed.
struct CalendarDate {
    int32_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Returns the day number of a date: Julian calendar up to 1582-10-04, Gregorian from 1582-10-15.
// Month and day are not range-checked (2001-02-30 gives the day number of 2001-03-02).
// Throws EJuliusError for 1582-10-05..14.
int32_t EncodeJuliusDay(int32_t year, int month, int day);

// Splits a day number into year, month and day.
void DecodeJuliusDay(int32_t jd, int32_t& year, uint8_t& month, uint8_t& day);
CalendarDate DecodeJuliusDay(int32_t jd);

// Returns the weekday number, 1 = Sunday .. 7 = Saturday.
uint8_t JuliusDayOfWeek(int32_t jd);

// Answers whether the year is a leap year: Julian rule before 1582, Gregorian rule with the 4000-year exception after.
bool IsLeapYear(int32_t year);

// Returns the length of a month (1..12) in days, 28..31.
int DaysOfMonth(int32_t year, int month);

// Answers whether year, month and day name an existing date; throws EJuliusError inside the reform gap.
bool IsValidYMD(int32_t year, int month, int day);

// Returns the day number of year, month and day when they name an existing date; nothing otherwise, the reform gap
// included.
std::optional<int32_t> ExistingJuliusDay(int32_t year, int month, int day);

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// Builds a local date-and-time value from a calendar date and a time of day.
LocalDateTime EncodeDateTime(const CalendarDate& date, const TimeOfDay& time = {});

// Splits a local date-and-time value, rounded to the millisecond, into its date and time of day.
CalendarDate DateOf(LocalDateTime t);
TimeOfDay TimeOf(LocalDateTime t);

// Returns the day number of the calendar date of a local date-and-time value.
int32_t DateTimeToJuliusDay(LocalDateTime t);

// Returns the local date-and-time value of midnight at the start of a day number.
LocalDateTime JuliusDayToDateTime(int32_t jd);

} // namespace rekko
