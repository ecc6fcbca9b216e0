// SPDX-License-Identifier: GPL-3.0-or-later
// Period records: reading for the dialog, the checks on writing, and the record text.
#include "PeriodRecord.h"

#include "base/CommaText.h"
#include "base/TextProcedures.h"
#include "calendar/Julius.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace rekko {

namespace {

PeriodDate dateOf(int32_t jd) {
    const CalendarDate date = DecodeJuliusDay(jd);
    return {date.year, date.month, date.day};
}

PeriodDate dateFields(const std::vector<std::string>& fields, size_t first) {
    auto field = [&](size_t i) { return i < fields.size() ? FieldInteger(fields[i]).value_or(0) : 0; };
    return {field(first), field(first + 1), field(first + 2)};
}

char partLetter(DayPart part) {
    return part == DayPart::Morning ? 'M' : part == DayPart::Midday ? 'A' : 'E';
}

bool isValid(const PeriodDate& date) {
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return false;
    try {
        return IsValidYMD(date.year, date.month, date.day);
    } catch (const EJuliusError&) {
        return false;
    }
}

int32_t dayNumberOf(const PeriodDate& date) {
    return EncodeJuliusDay(date.year, date.month, date.day);
}

} // namespace

PeriodFields NewPeriod(int32_t startJd, int startPartCode, int32_t endJd, int endPartCode, int thickness,
                       TColor colour) {
    PeriodFields period;
    period.start = dateOf(startJd);
    period.end = dateOf(endJd);
    period.label = dateOf(static_cast<int32_t>((static_cast<int64_t>(startJd) + endJd) / 2));
    period.startPart = startPartCode == 2 ? DayPart::Midday : startPartCode == 3 ? DayPart::Evening : DayPart::Morning;
    period.endPart = endPartCode == 2 ? DayPart::Midday : endPartCode == 1 ? DayPart::Morning : DayPart::Evening;
    period.thickness = thickness;
    period.colour = colour;
    return period;
}

PeriodFields ReadPeriodRecord(std::string_view record, TColor defaultColour) {
    const std::vector<std::string> fields = SplitAt(record, ',');
    auto field = [&](size_t i) { return i < fields.size() ? fields[i] : std::string(); };
    PeriodFields period;
    period.start = dateFields(fields, 0);
    period.startPart = field(3) == "A" ? DayPart::Midday : field(3) == "E" ? DayPart::Evening : DayPart::Morning;
    period.end = dateFields(fields, 4);
    period.endPart = field(7) == "A" ? DayPart::Midday : field(7) == "M" ? DayPart::Morning : DayPart::Evening;
    period.label = dateFields(fields, 8);
    period.thickness = FieldInteger(field(11)).value_or(0);
    const std::string colour = field(12);
    const auto value = colour.size() >= 3 ? StringToColor(colour) : std::nullopt;
    period.colour = value.value_or(defaultColour);
    period.text = UnescapeDigitComma(field(13));
    // A record written with its end first is shown the right way round, and written so when the user writes it.
    if (PeriodReversed(period)) {
        std::swap(period.start, period.end);
        std::swap(period.startPart, period.endPart);
    }
    return period;
}

std::string PeriodDateText(const PeriodDate& date) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4d/%.2d/%.2d", date.year, date.month, date.day);
    return text;
}

std::string FormatPeriodRecord(const PeriodFields& period) {
    char text[160];
    auto date = [](const PeriodDate& d, char* out, size_t size) {
        std::snprintf(out, size, "%4d,%2d,%2d", d.year, d.month, d.day);
    };
    char start[48], end[48], label[48];
    date(period.start, start, sizeof start);
    date(period.end, end, sizeof end);
    date(period.label, label, sizeof label);
    std::snprintf(text, sizeof text, "%s,%c,%s,%c,%s,%d,", start, partLetter(period.startPart), end,
                  partLetter(period.endPart), label, period.thickness);
    return text + ColorToString(period.colour) + ',' + EscapeCommas(period.text);
}

std::optional<std::string> FirstInvalidPeriodDate(const PeriodFields& period) {
    for (const PeriodDate* date : {&period.start, &period.end, &period.label})
        if (!isValid(*date))
            return PeriodDateText(*date);
    return std::nullopt;
}

bool PeriodReversed(const PeriodFields& period) {
    return isValid(period.start) && isValid(period.end) && dayNumberOf(period.end) < dayNumberOf(period.start);
}

void KeepLabelInsidePeriod(PeriodFields& period) {
    const std::string label = PeriodDateText(period.label);
    if (label >= PeriodDateText(period.start) && label <= PeriodDateText(period.end))
        return;
    if (!isValid(period.start) || !isValid(period.end))
        return;
    const int64_t middle = (static_cast<int64_t>(dayNumberOf(period.start)) + dayNumberOf(period.end)) / 2;
    period.label = dateOf(static_cast<int32_t>(middle));
}

} // namespace rekko
