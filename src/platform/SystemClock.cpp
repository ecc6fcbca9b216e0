// The computer's clock as a local date-and-time value.
#include "Clock.h"

#include <ctime>

namespace rekko {

LocalDateTime SystemClock::now() const {
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    std::tm local{};
    ::localtime_r(&ts.tv_sec, &local);
    const CalendarDate date{local.tm_year + 1900, static_cast<uint8_t>(local.tm_mon + 1),
                            static_cast<uint8_t>(local.tm_mday)};
    // A leap second (tm_sec 60) is folded into the last second of the minute.
    const TimeOfDay time{local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
                         static_cast<int>(ts.tv_nsec / 1'000'000)};
    return EncodeDateTime(date, time);
}

} // namespace rekko
