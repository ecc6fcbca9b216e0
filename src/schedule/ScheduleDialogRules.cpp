// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule dialog's decisions.
#include "ScheduleDialogRules.h"

#include "base/Cp932.h"
#include "base/TextProcedures.h"
#include "calendar/Julius.h"

#include <cstdio>

namespace rekko {

bool WriteOnClose(ScheduleMode mode, bool textModified, bool yearsChanged, bool cancelled) {
    if (cancelled)
        return false;
    switch (mode) {
    case ScheduleMode::Day:
        return textModified;
    case ScheduleMode::Anniversary:
        return textModified || yearsChanged;
    case ScheduleMode::Period:
        break;
    }
    return true;
}

bool ConfirmCancel(Dialogs& dialogs) {
    return dialogs.ask(kCancelQuestion, DialogAnswer::Yes);
}

WeekdayLine WeekdayLineOf(int32_t jd) {
    const int weekday = JuliusDayOfWeek(jd);
    WeekdayLine line{"（ " + WeekdayShortName(weekday) + "曜日 ）"};
    if (weekday == 1)
        line.colour = clRed;
    else if (weekday == 7)
        line.colour = clBlue;
    return line;
}

std::string DateLineOf(int32_t jd) {
    const CalendarDate date = DecodeJuliusDay(jd);
    char text[32];
    std::snprintf(text, sizeof text, "%4d.%2d.%2d", static_cast<int>(date.year), date.month, date.day);
    return text;
}

std::string TimeInsertText(const Clock& clock) {
    const TimeOfDay time = TimeOf(clock.now());
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
    return text;
}

std::vector<HeadingPart> HeadingParts(const DayNameList& names) {
    std::vector<HeadingPart> parts;
    for (size_t i = 0; i < names.names.size(); ++i) {
        const bool special = i < names.kinds.size() && names.kinds[i] == 'S';
        std::string text = names.names[i];
        if (special && i + 1 < names.names.size())
            text += i + 1 < names.kinds.size() && names.kinds[i + 1] == 'S' ? "，" : " ";
        parts.push_back({std::move(text), special});
    }
    return parts;
}

std::optional<UnstorableText> FindUnstorableText(const std::vector<std::string>& texts) {
    std::optional<UnstorableText> found;
    std::vector<UnencodableCharacter> characters;
    for (size_t i = 0; i < texts.size(); ++i) {
        for (UnencodableCharacter& bad : FindUnencodableCharacters(texts[i])) {
            if (!found)
                found = UnstorableText{{}, i, bad.offset, bad.character.size()};
            characters.push_back(std::move(bad));
        }
    }
    if (found)
        found->message = UnencodableMessage(characters);
    return found;
}

} // namespace rekko
