// SPDX-License-Identifier: GPL-3.0-or-later
// Formatting the header, the numbers and the result line of the access log.
#include "RunTexts.h"

#include "calendar/Julius.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rekko {

std::string EntryHeader(LocalDateTime japanTime) {
    static constexpr std::array<const char*, 7> weekdays = {"日", "月", "火", "水", "木", "金", "土"};
    // Whole seconds, as the clock shows them.
    const LocalDateTime second = std::floor(japanTime * 86400.0 + 1e-6) / 86400.0;
    const CalendarDate date = DateOf(second);
    const TimeOfDay time = TimeOf(second);
    char text[96];
    std::snprintf(text, sizeof text, "[ %04d/%02d/%02d(%s) %02d:%02d:%02d ]", date.year, date.month, date.day,
                  weekdays[JuliusDayOfWeek(DateTimeToJuliusDay(second)) - 1], time.hour, time.minute, time.second);
    return text;
}

std::string TwoDecimals(double value) {
    const long long hundredths = std::llround(std::fabs(value) * 100);
    std::string whole = std::to_string(hundredths / 100);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
        whole.insert(static_cast<size_t>(at), ",");
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%02lld", hundredths % 100);
    return (value < 0 && hundredths != 0 ? "-" : "") + whole + fraction;
}

std::string ResultLine(int64_t difference, bool clockSet) {
    const std::string prefix = clockSet ? "以前の時刻は" : "現在の時刻は";
    const double seconds = static_cast<double>(difference) / 10'000;
    const double d = std::fabs(seconds);
    if (d < 0.01)
        return prefix + "、取得した時刻と合っていました(0.01秒以内)";
    if (d < 0.1)
        return prefix + "、取得した時刻とほぼ合っていました（0.1秒以内 [" + TwoDecimals(seconds) + "])";
    if (difference > 0)
        return prefix + "、取得した時刻より " + TwoDecimals(d) + " 秒進んでいました。";
    return prefix + "、取得した時刻より " + TwoDecimals(d) + " 秒遅れていました。";
}

std::string ClockAccessNote(ClockAccess access, bool systemSynchronises) {
    if (systemSynchronises)
        return "システムが時刻を自動で合わせています。自動修正では時刻の差だけを記録します。";
    switch (access) {
    case ClockAccess::Direct:
        return {};
    case ClockAccess::ThroughService:
        return "内蔵時計の修正には管理者の認証が必要です（接続テストで修正するときに求められます）。";
    case ClockAccess::None:
        return "この環境では内蔵時計を修正できません。時刻の差だけを記録します。";
    }
    return {};
}

} // namespace rekko
