// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's day font, and the pieces of a day's names as the grid draws them and the exports write them.
#include "GridDayRules.h"

#include "base/TextProcedures.h"

namespace rekko {

namespace {

constexpr const char* kFullWidthBlank = "　";
constexpr const char* kFullWidthComma = "，";

} // namespace

DayFontKind GridDayRules::DayFont(int32_t year, int month, int day) const {
    // A special day keeps the day's own font; the grid marks it instead.
    return DayFontOf(DayKind(year, month, day), false);
}

std::vector<NamePart> NameParts(const DayNameList& names) {
    const std::string& kinds = names.kinds;
    const bool special = kinds.find('S') != std::string::npos;
    if (!special || names.names.size() == 1) {
        std::string text;
        for (size_t i = 0; i < names.names.size(); ++i)
            text += (i > 0 ? "," : "") + names.names[i];
        return {{ReplaceAll(text, kFullWidthBlank, " "), special}};
    }
    std::vector<NamePart> parts;
    for (size_t i = 0; i < names.names.size(); ++i) {
        const bool isSpecial = i < kinds.size() && kinds[i] == 'S';
        std::string text = ReplaceAll(ReplaceAll(names.names[i], kFullWidthBlank, " "), kFullWidthComma, ",");
        if (isSpecial && i + 1 < names.names.size())
            text += i + 1 < kinds.size() && kinds[i + 1] == 'S' ? "," : " ";
        parts.push_back({std::move(text), isSpecial});
    }
    return parts;
}

std::string AnniversaryText(const DayNameList& names) {
    std::string text;
    for (size_t i = 0; i < names.names.size(); ++i) {
        if (names.kinds[i] != 'S')
            continue;
        text += names.names[i];
        if (i + 1 < names.names.size())
            text += names.kinds[i + 1] == 'S' ? kFullWidthComma : " ";
    }
    return text;
}

std::string HolidayName(const DayNameList& names) {
    for (size_t i = names.names.size(); i-- > 0;)
        if (names.kinds[i] != 'S')
            return names.names[i];
    return {};
}

} // namespace rekko
