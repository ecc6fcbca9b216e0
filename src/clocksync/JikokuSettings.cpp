// SPDX-License-Identifier: GPL-3.0-or-later
// The time-source choices of the clock-correction settings.
#include "JikokuSettings.h"

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

} // namespace rekko
