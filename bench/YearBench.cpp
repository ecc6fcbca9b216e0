// SPDX-License-Identifier: GPL-3.0-or-later
// Year page figures: a redraw of its twelve small calendars with the holiday rules, and a change of year that sets
// all twelve to their new months, drawn on the offscreen platform. The redraw runs with the sample's two anniversaries
// (arg 0) and with the heavy user's 300 (arg 1).
#include "controls/ui/TSeMCalendar.h"
#include "year/ui/YearPage.h"

#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include "FakeClock.h"
#include "HeavyData.h"
#include "SilentDialogs.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace rekko {
namespace {

class NoJump : public MonthJump {
public:
    void jumpToMonth(std::string_view) override {}
};

QStringList builtinHolidays() {
    QStringList holidays;
    for (const auto& line : BuiltinHolidayList())
        holidays << QString::fromStdString(line);
    return holidays;
}

QStringList anniversaries(bool heavy) {
    if (!heavy)
        return {"12,6,創立記念日", "1990,,12,20,,,結婚記念日"};
    QStringList lines;
    for (const auto& line : bench::HeavyAnniversaryLines())
        lines << QString::fromStdString(line);
    return lines;
}

// The twelve calendars of 2026 at the year page's size, with the built-in holidays and the anniversaries.
struct TwelveCalendars {
    std::array<std::unique_ptr<TSeMCalendar>, 12> calendars;
    explicit TwelveCalendars(bool heavy = false) {
        const QStringList holidays = builtinHolidays();
        for (int i = 0; i < 12; ++i) {
            auto& calendar = calendars[static_cast<size_t>(i)];
            calendar = std::make_unique<TSeMCalendar>(EncodeJuliusDay(2026, 5, 20));
            calendar->setHolidayList(holidays);
            calendar->setSpecialDayList(anniversaries(heavy));
            calendar->setJuliusDay(EncodeJuliusDay(2026, i + 1, 1));
            calendar->resize(188, 129);
            calendar->show();
        }
    }
};

void BM_TwelveCalendarsRedraw(benchmark::State& state) {
    TwelveCalendars year(state.range(0) == 1);
    for (auto _ : state) {
        for (auto& calendar : year.calendars)
            calendar->Redraw();
        benchmark::DoNotOptimize(year.calendars.back()->image().constBits());
    }
}
BENCHMARK(BM_TwelveCalendarsRedraw)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_TwelveCalendarsRedrawWithRokuyo(benchmark::State& state) {
    TwelveCalendars year;
    for (auto& calendar : year.calendars)
        calendar->setShowRokuyo(true);
    for (auto _ : state) {
        for (auto& calendar : year.calendars)
            calendar->Redraw();
        benchmark::DoNotOptimize(year.calendars.back()->image().constBits());
    }
}
BENCHMARK(BM_TwelveCalendarsRedrawWithRokuyo)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// "翌年" and "前年" in turn on the page: every calendar moves to its month of the other year and is drawn again.
void BM_YearPageNextYear(benchmark::State& state) {
    test::FakeClock clock{EncodeDateTime({2026, 5, 20}, {12, 0, 0})};
    test::SilentDialogs dialogs;
    NoJump jump;
    YearPage page(clock, dialogs, jump);
    DayRules rules;
    (void)rules.setHolidayList(BuiltinHolidayList());
    page.setRules(rules, true);
    page.resize(780, 700);
    page.show();
    int32_t year = 2026;
    for (auto _ : state) {
        year = year == 2026 ? 2027 : 2026;
        page.showYear(year);
    }
}
BENCHMARK(BM_YearPageNextYear)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace rekko
