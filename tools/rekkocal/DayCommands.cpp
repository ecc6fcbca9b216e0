// SPDX-License-Identifier: GPL-3.0-or-later
// The day commands: one day's kind, names and almanac, the holidays and the solar terms of a span of years.
#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"

#include "schedule/DayLines.h"

#include "base/CommaText.h"
#include "base/TextFile.h"
#include "base/TextProcedures.h"
#include "calendar/AlmanacMarks.h"
#include "calendar/Julius.h"
#include "calendar/Kanshi.h"
#include "calendar/OldCalendar.h"
#include "calendar/RuleFiles.h"
#include "calendar/SolarTerms.h"
#include "files/UserFiles.h"

#include <filesystem>

namespace rekko::cli {

void LoadRules(ScheduleBook& book, Args& args, Terminal& terminal) {
    book.setHolidays(BuiltinHolidayList());
    if (TakeFlag(args, "--builtin"))
        return;
    for (const std::string& message : book.readRuleFiles())
        terminal.err << "rekkocal: " << ReplaceAll(message, "\r\n", " ") << '\n';
}

int dayCommand(const Args& arguments, const Environment& environment, Terminal& terminal) {
    Args args = arguments;
    ScheduleBook book;
    LoadRules(book, args, terminal);
    const DayRules& rules = book.rules();
    ExpectCount(args, 1, 1, "day YYYY-MM-DD [--builtin]");
    const int32_t jd = ParseDate(args[0]);
    const CalendarDate date = DecodeJuliusDay(jd);
    const int weekday = JuliusDayOfWeek(jd);
    std::ostream& out = terminal.out;
    out << "date: " << FormatDate(jd) << '\n';
    out << "jd: " << jd << '\n';
    out << "weekday: " << weekday << ' ' << WeekdayShortName(weekday) << '\n';
    out << "kind: " << static_cast<int>(rules.DayKind(date.year, date.month, date.day)) << '\n';
    out << "names: " << DayNamesText(rules.DayNames(date.year, date.month, date.day)) << '\n';
    uint8_t oldMonth = 0, oldDay = 0;
    JuliusDayToOldDate(jd, oldMonth, oldDay);
    const int rokuyo = JuliusDayToRokuyo(jd);
    out << "oldmonth: " << (oldMonth ? std::to_string(oldMonth) : "") << '\n';
    out << "oldday: " << (oldDay ? std::to_string(oldDay) : "") << '\n';
    out << "rokuyo: " << (rokuyo ? rokuyoName(rokuyo) : "") << '\n';
    const DayAlmanac almanac = dayAlmanacOf(jd);
    std::vector<std::string> marks;
    for (const std::string_view name : almanacMarkNames(almanac.marks))
        marks.emplace_back(name);
    out << "solarterm: " << almanac.solarTerm << '\n';
    out << "seasonalday: " << almanac.seasonalDay << '\n';
    out << "kanshi: " << kanshiName(almanac.kanshi) << '\n';
    // The year's 干支 as everyday use counts it (from 1 January) and as almanacs do (from 立春).
    out << "yearkanshi: " << kanshiName(kanshiOfYear(date.year)) << '\n';
    out << "almanacyearkanshi: " << kanshiName(kanshiOfYear(almanacYearOf(solarTermTable(), jd))) << '\n';
    out << "marks: " << JoinCommaText(marks) << '\n';
    const TextLines month = ReadDataFile(environment, MonthFileName(date.year, date.month), terminal);
    for (const DayLine& line : LinesOfDay(month.lines(), date.day))
        out << "line: " << UnescapeDigitComma(line.text) << '\n';
    return kExitOk;
}

int holidaysCommand(const Args& arguments, const Environment&, Terminal& terminal) {
    Args args = arguments;
    ScheduleBook book;
    LoadRules(book, args, terminal);
    const DayRules& rules = book.rules();
    ExpectCount(args, 1, 2, "holidays YEAR [YEAR2] [--builtin]");
    const auto first = static_cast<int32_t>(ParseInteger(args[0], kFirstYear, kLastYear, "year"));
    const auto last =
        args.size() > 1 ? static_cast<int32_t>(ParseInteger(args[1], first, kLastYear, "second year")) : first;
    const int32_t end = EncodeJuliusDay(last + 1, 1, 1);
    std::string text;
    for (int32_t jd = EncodeJuliusDay(first, 1, 1); jd < end; ++jd) {
        const CalendarDate date = DecodeJuliusDay(jd);
        if (!(rules.DayKind(date.year, date.month, date.day) & (dkHoliday | dkSubstitute)))
            continue;
        const DayNameList names = rules.DayNames(date.year, date.month, date.day);
        std::vector<std::string> holidayNames;
        for (size_t i = 0; i < names.names.size(); ++i)
            if (names.kinds[i] == 'H')
                holidayNames.push_back(names.names[i]);
        text += FormatDate(jd) + '\t' + JoinCommaText(holidayNames) + '\n';
    }
    terminal.out << text;
    return kExitOk;
}

int sekkiCommand(const Args& args, const Environment&, Terminal& terminal) {
    ExpectCount(args, 2, 2, "sekki FROM_YEAR TO_YEAR");
    constexpr int32_t kFirstTermYear = 1873;
    constexpr int32_t kLastTermYear = 2100;
    const auto first = static_cast<int32_t>(ParseInteger(args[0], kFirstTermYear, kLastTermYear, "first year"));
    const auto last = static_cast<int32_t>(ParseInteger(args[1], first, kLastTermYear, "last year"));
    std::string text;
    for (const SolarTermDay& term : solarTermsBetween(EncodeJuliusDay(first, 1, 1), EncodeJuliusDay(last, 12, 31)))
        text += FormatDate(term.day) + '\t' + std::string(term.name) + '\n';
    terminal.out << text;
    return kExitOk;
}

} // namespace rekko::cli
