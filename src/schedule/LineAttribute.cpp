// SPDX-License-Identifier: GPL-3.0-or-later
// Line attributes and the month-file records of schedule lines.
#include "LineAttribute.h"

#include "base/CommaText.h"
#include "base/TextProcedures.h"

#include <cstdio>

namespace rekko {

void LineAttribute::setColour(TColor value) {
    colour = value;
    unreadableColour.clear();
}

int32_t LineAttribute::numberValue() const {
    return FieldInteger(number).value_or(0);
}

void LineAttribute::setNumber(int32_t value) {
    number = value == 0 ? std::string() : std::to_string(value);
}

std::optional<int> DayOfLine(std::string_view line) {
    return FieldInteger(line.substr(0, line.find(',')));
}

DayLine ReadDayLine(std::string_view line) {
    const std::vector<std::string> fields = SplitAt(line, ',');
    DayLine result;
    result.day = DayOfLine(line);
    if (fields.size() > 3)
        result.text = fields[3];
    if (fields.size() <= 5)
        return result;
    LineAttribute& attribute = result.attribute;
    const std::string& colour = fields[4];
    if (!colour.empty() && colour != "1") {
        if (const auto value = StringToColor(colour))
            attribute.colour = *value;
        else
            attribute.unreadableColour = colour;
    }
    attribute.firstFlag = fields[5];
    if (fields.size() > 6)
        attribute.timeOfDay = fields[6];
    if (fields.size() > 7)
        attribute.secondFlag = fields[7];
    if (fields.size() > 8)
        attribute.number = fields[8];
    return result;
}

std::string FormatDayRecord(int day, int lineNumber, std::string_view text, const LineAttribute& attribute) {
    char head[32];
    std::snprintf(head, sizeof head, "%2d,%d,,", day, lineNumber);
    std::string colour;
    if (!attribute.unreadableColour.empty())
        colour = attribute.unreadableColour;
    else if (attribute.colour != clWindowText)
        colour = ColorToString(attribute.colour);
    return head + EscapeCommas(text) + ',' + colour + ',' + attribute.firstFlag + ',' + attribute.timeOfDay + ',' +
           attribute.secondFlag + ',' + attribute.number + ',';
}

} // namespace rekko
