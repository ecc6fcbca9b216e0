// SPDX-License-Identifier: GPL-3.0-or-later
// Date arithmetic on Julian day numbers: the classic floating-point conversion with the reform switch.
#include "Julius.h"

#include <cmath>

namespace rekko {

namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Day number of 1899-12-30, day zero of the local date-and-time value.
constexpr int32_t kDateTimeEpoch = 2415019;
constexpr int64_t kMillisecondsPerDay = 86'400'000;

int64_t truncToInt(double x) {
    return static_cast<int64_t>(std::trunc(x));
}

// Splits a value into whole days and milliseconds of the day, rounding to the millisecond so that
// 23:59:59.9996 becomes midnight of the next day instead of a time of 24:00:00.
void splitDateTime(LocalDateTime t, int64_t& days, int64_t& ms) {
    days = truncToInt(t);
    ms = std::llround(std::fabs(t - static_cast<double>(days)) * kMillisecondsPerDay);
    if (ms >= kMillisecondsPerDay) {
        ms -= kMillisecondsPerDay;
        days += t < 0 ? -1 : 1;
    }
}

} // namespace

EJuliusError::EJuliusError() : std::runtime_error("1582/10/5-10/14は存在しません。") {}

int32_t EncodeJuliusDay(int32_t year, int month, int day) {
    bool gregorian;
    if (year < 1582) {
        gregorian = false;
    } else if (year > 1582) {
        gregorian = true;
    } else if (month < 10) {
        gregorian = false;
    } else if (month > 10) {
        gregorian = true;
    } else if (day < 5) {
        gregorian = false;
    } else if (day > 14) {
        gregorian = true;
    } else {
        throw EJuliusError();
    }
    int64_t y = year;
    int64_t m = month;
    if (month < 3) {
        y = year - 1;
        m = month + 12;
    }
    int64_t c = truncToInt(365.25 * static_cast<double>(y));
    if (year < 1)
        c = truncToInt(365.25 * static_cast<double>(y) - 0.75);
    const int64_t d = truncToInt(30.6001 * static_cast<double>(m + 1));
    int64_t result = d + 1720995 + c + day;
    if (gregorian) {
        // Integer division truncates toward zero, as the rule asks.
        const int64_t a = y / 100;
        result += 2 - a + a / 4;
    }
    return static_cast<int32_t>(result);
}

void DecodeJuliusDay(int32_t jd, int32_t& year, uint8_t& month, uint8_t& day) {
    int64_t a = jd;
    if (jd > 2299160) {
        const int64_t alpha = truncToInt((static_cast<double>(jd) - 1867216.25) / 36524.25);
        a = jd + 1 + alpha - alpha / 4;
    }
    const int64_t b = a + 1524;
    const int64_t c = truncToInt((static_cast<double>(b) - 122.1) / 365.25);
    const int64_t d = truncToInt(365.25 * static_cast<double>(c));
    const int64_t e = truncToInt(static_cast<double>(b - d) / 30.6001);
    day = static_cast<uint8_t>(b - d - truncToInt(30.6001 * static_cast<double>(e)));
    month = static_cast<uint8_t>(e < 14 ? e - 1 : e - 13);
    year = static_cast<int32_t>(month > 2 ? c - 4716 : c - 4715);
}

CalendarDate DecodeJuliusDay(int32_t jd) {
    CalendarDate date;
    DecodeJuliusDay(jd, date.year, date.month, date.day);
    return date;
}

uint8_t JuliusDayOfWeek(int32_t jd) {
    // Mathematical modulo so that negative day numbers still give 1..7.
    int64_t r = (static_cast<int64_t>(jd) + 1) % 7;
    if (r < 0)
        r += 7;
    return static_cast<uint8_t>(r + 1);
}

bool IsLeapYear(int32_t year) {
    if (year < 1582) {
        int64_t r = (static_cast<int64_t>(year) + 4712) % 4;
        return r == 0;
    }
    bool leap = false;
    if (year % 4 == 0)
        leap = true;
    if (year % 100 == 0)
        leap = false;
    if (year % 400 == 0)
        leap = true;
    if (year % 4000 == 0)
        leap = false;
    return leap;
}

int DaysOfMonth(int32_t year, int month) {
    int days = kMonthLengths[month - 1];
    if (month == 2 && IsLeapYear(year))
        ++days;
    return days;
}

bool IsValidYMD(int32_t year, int month, int day) {
    const CalendarDate back = DecodeJuliusDay(EncodeJuliusDay(year, month, day));
    return back.year == year && back.month == month && back.day == day;
}

std::optional<int32_t> ExistingJuliusDay(int32_t year, int month, int day) {
    try {
        if (IsValidYMD(year, month, day))
            return EncodeJuliusDay(year, month, day);
    } catch (const EJuliusError&) {
    }
    return std::nullopt;
}

LocalDateTime EncodeDateTime(const CalendarDate& date, const TimeOfDay& time) {
    const double days = EncodeJuliusDay(date.year, date.month, date.day) - kDateTimeEpoch;
    const double fraction =
        (((time.hour * 60.0 + time.minute) * 60.0 + time.second) * 1000.0 + time.millisecond) / kMillisecondsPerDay;
    // Before day zero the time still counts forward within the day, as the fraction's absolute value.
    return days < 0 ? days - fraction : days + fraction;
}

CalendarDate DateOf(LocalDateTime t) {
    return DecodeJuliusDay(DateTimeToJuliusDay(t));
}

TimeOfDay TimeOf(LocalDateTime t) {
    int64_t days, ms;
    splitDateTime(t, days, ms);
    TimeOfDay time;
    time.hour = static_cast<int>(ms / 3'600'000);
    time.minute = static_cast<int>(ms / 60'000 % 60);
    time.second = static_cast<int>(ms / 1000 % 60);
    time.millisecond = static_cast<int>(ms % 1000);
    return time;
}

int32_t DateTimeToJuliusDay(LocalDateTime t) {
    int64_t days, ms;
    splitDateTime(t, days, ms);
    return static_cast<int32_t>(days + kDateTimeEpoch);
}

LocalDateTime JuliusDayToDateTime(int32_t jd) {
    return static_cast<double>(jd) - kDateTimeEpoch;
}

} // namespace rekko
