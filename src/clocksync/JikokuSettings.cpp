// SPDX-License-Identifier: GPL-3.0-or-later
// The set time, the schedule copied to the main window and the time-source choices of the clock-correction settings.
#include "JikokuSettings.h"

#include "ClockSchedule.h"

#include <charconv>
#include <optional>

namespace rekko {

namespace {

// Reads two characters of the set time as a number; nothing when they are not one.
std::optional<int> Pair(std::string_view text, size_t at) {
    if (at >= text.size())
        return std::nullopt;
    const std::string_view pair = text.substr(at, 2);
    int value = 0;
    const auto [end, error] = std::from_chars(pair.data(), pair.data() + pair.size(), value);
    if (error != std::errc() || end != pair.data() + pair.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string ValidSetTime(std::string_view vTime) {
    const int hour = Pair(vTime, 0).value_or(15);
    const int minute = Pair(vTime, 2).value_or(0);
    const int second = Pair(vTime, 4).value_or(0);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return "150000";
    return TimeDigits(hour, minute, second);
}

void CopySchedule(const JikokuSettings& settings, int startDelay, ClockCorrectionSettings& schedule) {
    schedule.pTChien = startDelay;
    schedule.pTAccess = settings.rbShitei ? 2 : settings.rbWeek ? 1 : 0;
    schedule.pTTime = ValidSetTime(settings.vTime);
    schedule.pTYoubi = settings.cbYoubi;
}

TimeSourceChoice SelectedSource(const JikokuSettings& settings) {
    if (settings.rbJapan)
        return TimeSourceChoice::Japan;
    if (settings.rbTamaru1)
        return TimeSourceChoice::Tamaru1;
    if (settings.rbTamaru2)
        return TimeSourceChoice::Tamaru2;
    if (settings.rbWebSV1)
        return TimeSourceChoice::WebSV1;
    if (settings.rbWebSV2)
        return TimeSourceChoice::WebSV2;
    return TimeSourceChoice::Japan;
}

const char* SourceCaption(TimeSourceChoice choice) {
    return kTimeSourceCaptions[static_cast<size_t>(choice)];
}

std::string SourceAddress(const JikokuSettings& settings, TimeSourceChoice choice) {
    switch (choice) {
    case TimeSourceChoice::Japan:
        return kJapanTimeAddress;
    case TimeSourceChoice::Tamaru1:
        return REKKO_MAKER_TIME_ADDRESS;
    case TimeSourceChoice::Tamaru2:
        return {};
    case TimeSourceChoice::WebSV1:
        return settings.edtWebSV1;
    case TimeSourceChoice::WebSV2:
        return settings.edtWebSV2;
    }
    return {};
}

} // namespace rekko
