// SPDX-License-Identifier: GPL-3.0-or-later
// The time-source choices of the clock-correction settings and the reading of the set time.
#include "JikokuSettings.h"

#include <charconv>

namespace rekko {

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

namespace {

// Reads two characters from a position as a number; the fallback when they are missing or not a number.
int Field(std::string_view text, size_t at, int fallback) {
    if (text.size() < at + 2)
        return fallback;
    int value = 0;
    const char* first = text.data() + at;
    const auto [end, error] = std::from_chars(first, first + 2, value);
    return error == std::errc{} && end == first + 2 ? value : fallback;
}

} // namespace

int ReadSetTime(std::string_view vTime) {
    const int hour = Field(vTime, 0, 15);
    const int minute = Field(vTime, 2, 0);
    const int second = Field(vTime, 4, 0);
    if (hour < 0 || minute < 0 || second < 0 || hour > 23 || minute > 59 || second > 59)
        return 15 * 3600;
    return (hour * 60 + minute) * 60 + second;
}

} // namespace rekko
