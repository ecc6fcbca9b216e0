// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the timer window.
#include "TimerTexts.h"

#include "CountdownTimer.h"

#include "base/TextProcedures.h"

#include <cstdio>

namespace rekko {

namespace {

constexpr int32_t kHour = 3'600'000;
constexpr int32_t kMinute = 60'000;

std::string format(const char* pattern, int first, int second = 0) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, first, second);
    return text;
}

// The minutes still to go as both lines show them: counted up, so a started minute counts as one and exactly three
// minutes read 3. The countdown splits them into hours afterwards, so 59 min 30 s reads 1 h 0 min.
int MinutesToGo(int32_t milliseconds) {
    return (milliseconds + kMinute - 1) / kMinute;
}

} // namespace

std::string CountdownLine(int32_t setTime, int32_t now) {
    const int32_t left = now < setTime ? setTime - now : kMillisecondsOfDay - now + setTime;
    const int minutes = MinutesToGo(left);
    if (minutes < 60)
        return format("設定時刻まで、%d 分", minutes);
    return format("設定時刻まで、%d 時間 %d 分", minutes / 60, minutes % 60);
}

std::string AlertStatusLine(int32_t setTime, int32_t now) {
    constexpr int32_t kDaySeconds = kMillisecondsOfDay / 1000;
    int32_t ahead = setTime / 1000 - now / 1000;
    // A window left open across midnight still measures from the nearest set time, never nearly a day away.
    if (ahead > kDaySeconds / 2)
        ahead -= kDaySeconds;
    else if (ahead <= -kDaySeconds / 2)
        ahead += kDaySeconds;
    if (ahead > 0)
        return format("設定時刻、%d 分前です", MinutesToGo(ahead * 1000));
    const int32_t passed = -ahead;
    const int hours = passed / 3600;
    const int minutes = passed % 3600 / 60;
    if (hours == 0 && minutes == 0)
        return "設定時刻です";
    if (hours == 0)
        return format("設定時刻を、%d 分経過しています", minutes);
    return format("設定時刻を、%d 時間 %d 分経過しています", hours, minutes);
}

std::string NoticeLine(int notice) {
    if (notice == 0)
        return {};
    return "（ " + FullWidthDigit(notice) + "分前に通知します ）";
}

std::string TwelveHourQuestion(int32_t ahead) {
    return format("設定時刻が現時刻から１２時間以上（ %d 時 %d 分）ありますが、", ahead / kHour,
                  ahead % kHour / kMinute) +
           "\r\nこれで間違いないでしょうか？";
}

} // namespace rekko
