// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluation of the holiday and special-day lists: the kind of a day, its names and its font, under the
// holiday law with its equinox, substitute and citizens' holidays.
#pragma once

#include "DayRule.h"
#include "base/Result.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rekko {

// Day-kind flags.
enum DayKindFlag : uint8_t {
    dkSunday = 1,
    dkSaturday = 2,
    dkHoliday = 4,
    dkSubstitute = 8,
    dkSpecial = 16,
};

// Which of a calendar control's fonts draws a day number.
enum class DayFontKind { Weekday, Saturday, Sunday, Holiday, SpecialDay };

inline constexpr const char* kSubstituteHolidayName = "振替休日";
inline constexpr const char* kCitizensHolidayName = "国民の休日";
inline constexpr const char* kVernalEquinoxName = "春分の日";
inline constexpr const char* kAutumnalEquinoxName = "秋分の日";

// A day's names in display order, with one kind letter per name: 'S' special day, 'H' any other.
struct DayNameList {
    std::vector<std::string> names;
    std::string kinds;
};

// The rule lists of one calendar control and their parsed items. Each control owns its own copy.
class DayRules {
public:
    virtual ~DayRules() = default;

    // Replace a rule list and rebuild its items. Reading stops at the first line with a field that is not a
    // number in range: the items before it stay, the lines after it give none, and the failure names the line.
    Status setHolidayList(std::vector<std::string> lines);
    Status setSpecialDayList(std::vector<std::string> lines);
    const std::vector<std::string>& holidayList() const { return m_holidayLines; }
    const std::vector<std::string>& specialDayList() const { return m_specialLines; }

    bool AutoEquinox = true; // equinox days are holidays
    bool AutoFurikae = true; // substitute holidays
    bool AutoKokumin = true; // citizens' holidays between two holidays

    // Returns the day-kind flags of a date.
    virtual uint8_t DayKind(int32_t year, int month, int day) const;

    // Returns the names to show for a date: special days, holidays (list order), the equinox, then the
    // substitute or citizens' holiday.
    virtual DayNameList DayNames(int32_t year, int month, int day) const;

    // Returns which font draws the day number: weekday, Saturday or Sunday, then holiday, then special day.
    virtual DayFontKind DayFont(int32_t year, int month, int day) const;

    // Answers whether a date is a national holiday: a holiday-list item or an equinox day under AutoEquinox.
    // Substitute and citizens' holidays are not national holidays in this sense.
    virtual bool IsNationalHoliday(int32_t jd) const;

private:
    enum class Computed { None, Substitute, Citizens };
    // The computed holiday of a day that is not a national holiday itself.
    Computed computedHoliday(int32_t jd) const;
    // These two expect a national holiday on the day before.
    bool isSubstitute(int32_t jd) const;
    bool isCitizens(int32_t jd) const;
    // Returns the equinox name of a date when it is an equinox holiday, else nullptr.
    const char* equinoxHoliday(int32_t year, int month, int day) const;

    // The items of one list, with their positions grouped by month (0: any month) for fast matching.
    struct ItemList {
        std::vector<TBinaryDayListItem> items;
        std::array<std::vector<uint32_t>, 13> byMonth;
        Status rebuild(const std::vector<std::string>& lines);
        bool anyMatch(int32_t year, int month, int day) const;
    };

    // The equinox days of the year asked last, as the series is costly and days are asked year by year.
    mutable int32_t m_equinoxYear = kNoYearLimit;
    mutable int32_t m_vernalEquinox = 0;
    mutable int32_t m_autumnalEquinox = 0;

    std::vector<std::string> m_holidayLines;
    std::vector<std::string> m_specialLines;
    ItemList m_holidays;
    ItemList m_specials;
};

// Returns the font of a day of the given kind: weekday, Saturday or Sunday, then holiday, then (when the control
// has one) the special-day font.
DayFontKind DayFontOf(uint8_t kind, bool specialDayFont);

// Returns the comma text of a day's names, as the month grid draws it.
std::string DayNamesText(const DayNameList& names);

} // namespace rekko
