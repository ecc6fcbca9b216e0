// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid's version of the rule evaluation: special days keep the day's own font and get a mark instead.
#pragma once

#include "calendar/DayRules.h"

#include <string>
#include <vector>

namespace rekko {

class GridDayRules : public DayRules {
public:
    // Returns the weekday, Saturday, Sunday or holiday font; a special day keeps that font, as the grid marks its
    // names instead of switching the day number to the special-day font.
    DayFontKind DayFont(int32_t year, int month, int day) const override;
};

// One piece of a day's names text as the grid draws it, left to right.
struct NamePart {
    std::string text;
    bool special = false; // drawn in the special-day colour
};

// Splits a day's names into the pieces drawn one after another: the names joined by "," as one piece when the day
// has no special-day name or only one name; otherwise one piece per name, a special-day name followed by "," before
// another special-day name and by a blank before any other name. Names are drawn as they are, never quoted;
// full-width blanks become blanks and, in the per-name pieces, full-width commas become commas.
std::vector<NamePart> NameParts(const DayNameList& names);

// Returns a day's anniversary text: its special-day names in order, each followed by "，" when the next name is
// also a special-day name and by a blank when the next name is of another kind.
std::string AnniversaryText(const DayNameList& names);

// Returns a day's holiday name: the last of its names that is not a special-day name, or the empty text.
std::string HolidayName(const DayNameList& names);

} // namespace rekko
