// SPDX-License-Identifier: GPL-3.0-or-later
// What the schedule dialog decides without its widgets: when a closing writes, the cancel question, the day heading
// texts, the time to insert and the refusal of text code page 932 cannot hold.
#pragma once

#include "base/Colour.h"
#include "calendar/DayRules.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

enum class ScheduleMode { Day, Period, Anniversary };

inline constexpr const char* kCancelQuestion = "キャンセルしますか？";

// Decides the write flag on closing: a day writes when its text was modified, a period always, an anniversary when
// its text or a year changed; never after cancel.
bool WriteOnClose(ScheduleMode mode, bool textModified, bool yearsChanged, bool cancelled);

// Asks "キャンセルしますか？" (Yes/No, Yes the default); answers true when the user chose to cancel.
bool ConfirmCancel(Dialogs& dialogs);

// The weekday line of the heading and its colour.
struct WeekdayLine {
    std::string text;
    TColor colour = clWindowText;
};

// Returns "（ %2s曜日 ）" with the weekday's one-character name: red on Sunday, blue on Saturday, else standard.
WeekdayLine WeekdayLineOf(int32_t jd);

// Returns the date line "%4d.%2d.%2d" of a day, such as "2000. 6. 4".
std::string DateLineOf(int32_t jd);

// Returns the current time as "hh:nn" for inserting at the caret.
std::string TimeInsertText(const Clock& clock);

// One piece of the names strip under the date line.
struct HeadingPart {
    std::string text;
    bool special = false; // drawn in the special-day colour, else in the holiday colour
};

// Splits a day's names into the strip's pieces: a special day followed by another special day is followed by "，",
// a special day followed by a holiday by " ".
std::vector<HeadingPart> HeadingParts(const DayNameList& names);

// The characters of the dialog's texts that code page 932 cannot hold: the one message naming each of them, and
// where the first lies (which text, its byte offset and length there).
struct UnstorableText {
    std::string message;
    size_t text = 0;
    size_t offset = 0;
    size_t length = 0;
};

// Looks through the texts in order for characters code page 932 cannot hold; nothing when every text can be stored.
std::optional<UnstorableText> FindUnstorableText(const std::vector<std::string>& texts);

} // namespace rekko
