// SPDX-License-Identifier: GPL-3.0-or-later
// Matching keys of local lines and the lines server events come down as.
#include "SyncLines.h"

#include "base/Cp932.h"
#include "base/TextProcedures.h"
#include "month/MonthSettings.h"
#include "schedule/PeriodRecord.h"

#include <algorithm>
#include <cstdio>

namespace rekko {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr size_t kPeriodFields = 14;
constexpr const char* kGeta = "〓";

// The part-of-day code of a time: 1 朝 before 12:00, 2 昼 before 17:00, 3 夕 after.
int PartCode(int minute) {
    return minute < 12 * 60 ? 1 : minute < 17 * 60 ? 2 : 3;
}

IcsTime TimeOf(const IcsMoment& moment) {
    return {moment.date, moment.hour ? std::optional(*moment.hour * 60) : std::nullopt};
}

int32_t JdOf(const CalendarDate& date) {
    return EncodeJuliusDay(date.year, date.month, date.day);
}

// The days and part codes an event covers; the end is inclusive. A timed end at midnight closes the day before.
struct Span {
    int32_t startJd = 0, endJd = 0;
    int startPart = 1, endPart = 3;
};

Span SpanOf(const ParsedEvent& event) {
    Span span;
    span.startJd = span.endJd = JdOf(event.start.date);
    if (event.start.minute)
        span.startPart = span.endPart = PartCode(*event.start.minute);
    if (event.end) {
        const int32_t endJd = JdOf(event.end->date);
        if (!event.end->minute) {
            span.endJd = endJd - 1;
            span.endPart = 3;
        } else if (*event.end->minute == 0 && endJd > span.startJd) {
            span.endJd = endJd - 1;
            span.endPart = 3;
        } else {
            span.endJd = endJd;
            span.endPart = PartCode(*event.end->minute);
        }
    }
    span.endJd = std::max(span.endJd, span.startJd);
    return span;
}

std::optional<DownLine> DayLineOf(const ParsedEvent& event, std::string_view mark) {
    DownLine down;
    down.date = event.start.date;
    const CalendarDate& date = down.date;
    std::optional<DayLine> carried;
    if (event.record && ReadDayLine(*event.record).day) {
        carried = ReadDayLine(*event.record);
        IcsEvents made;
        AddDayLineEvents(made, date.year, date.month, {*event.record}, 1, DaysOfMonth(date.year, date.month));
        down.exact = mark.empty() && made.events.size() == 1 && SameSummaryAndDates(made.events[0], event);
    }
    if (down.exact) {
        down.record = *event.record;
    } else {
        std::string text = event.summary;
        if (event.start.minute) {
            char time[16];
            std::snprintf(time, sizeof time, "%02d:%02d ", *event.start.minute / 60 % 24, *event.start.minute % 60);
            text = time + text;
        }
        CodePageText fitted = ToCodePage(std::string(mark) + text);
        down.text = std::move(fitted.text);
        down.unmappable = fitted.replaced;
        if (carried)
            down.attribute = carried->attribute;
    }
    down.key = DayLineKey(date, down.line(1));
    return down;
}

std::optional<DownLine> PeriodOf(const ParsedEvent& event, const Span& span, std::string_view mark) {
    DownLine down;
    down.kind = SyncKind::Period;
    const MonthSettings defaults;
    PeriodFields period = NewPeriod(span.startJd, span.startPart, span.endJd, span.endPart, defaults.udKFutosa,
                                    StringToColor(defaults.edtKColor).value_or(clBlue));
    if (event.record && SplitAt(*event.record, ',').size() >= kPeriodFields) {
        const PeriodFields carried = ReadPeriodRecord(*event.record, period.colour);
        if (!FirstInvalidPeriodDate(carried)) {
            IcsEvents made;
            AddPeriodEvents(made, {*event.record}, span.startJd - 1, span.endJd + 1);
            if (mark.empty() && made.events.size() == 1 && SameSummaryAndDates(made.events[0], event)) {
                down.record = down.key = *event.record;
                return down;
            }
            period.thickness = carried.thickness;
            period.colour = carried.colour;
        }
    }
    CodePageText text = ToCodePage(std::string(mark) + event.summary);
    period.text = std::move(text.text);
    down.unmappable = text.replaced;
    down.record = down.key = FormatPeriodRecord(period);
    return down;
}

} // namespace

bool SameSummaryAndDates(const IcsEvent& made, const ParsedEvent& event) {
    const IcsTime madeEnd = made.end ? TimeOf(*made.end) : TimeOf(made.start);
    const IcsTime end = event.end.value_or(event.start);
    // Readers drop the blanks around a value, libical among them.
    return made.rule.empty() && !event.recurring && TrimBlanks(made.summary) == TrimBlanks(event.summary) &&
           TimeOf(made.start) == event.start && madeEnd == end;
}

std::string DayPlace(const CalendarDate& date) {
    char place[16];
    std::snprintf(place, sizeof place, "%04d%02d%02d", static_cast<int>(date.year), date.month, date.day);
    return place;
}

std::string DayLineKey(const CalendarDate& date, std::string_view line) {
    const std::vector<std::string> fields = SplitAt(line, ',');
    std::string key = DayPlace(date);
    for (size_t field = 3; field <= 8; ++field)
        (key += ',') += field < fields.size() ? fields[field] : std::string();
    return key;
}

CodePageText ToCodePage(std::string_view text) {
    std::string blanked(text);
    std::replace_if(
        blanked.begin(), blanked.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
    CodePageText fitted{IcsText(blanked)};
    const std::vector<UnencodableCharacter> unheld = FindUnencodableCharacters(fitted.text);
    for (auto character = unheld.rbegin(); character != unheld.rend(); ++character)
        fitted.text.replace(character->offset, character->character.size(), kGeta);
    fitted.replaced = static_cast<int>(unheld.size());
    return fitted;
}

std::string DownLine::line(int lineNumber) const {
    if (kind == SyncKind::Period || exact)
        return record;
    return FormatDayRecord(date.day, lineNumber, text, attribute);
}

std::optional<DownLine> LineOfEvent(const ParsedEvent& event, std::string_view mark) {
    if (event.recurring)
        return std::nullopt;
    // The carried record is taken only as text code page 932 holds, without line ends.
    ParsedEvent fitted = event;
    int replaced = 0;
    if (event.record) {
        CodePageText record = ToCodePage(*event.record);
        fitted.record = std::move(record.text);
        replaced = record.replaced;
    }
    const Span span = SpanOf(fitted);
    std::optional<DownLine> down = span.endJd > span.startJd ? PeriodOf(fitted, span, mark) : DayLineOf(fitted, mark);
    if (down && (down->exact || (down->kind == SyncKind::Period && down->record == fitted.record)))
        down->unmappable = replaced;
    return down;
}

} // namespace rekko
