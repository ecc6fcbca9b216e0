// SPDX-License-Identifier: GPL-3.0-or-later
// The year page in the main window: its tab, the page made the first time it is needed, its steps of month
// initialisation and the creation sequence, its stored values written through to the settings, its rules taken from
// the month grid, and its jumps to the month view.
#pragma once

#include "app/Settings.h"
#include "app/ShellPorts.h"
#include "month/ui/MonthView.h"
#include "year/ui/YearPage.h"

#include <QObject>
#include <QTabWidget>

#include <optional>

namespace rekko {

class YearPageLink : public QObject, public YearCalendars, public MonthJump {
    Q_OBJECT
public:
    // Makes the year tab inside pages; the page in it is made when the tab is first shown or the page is first
    // asked for. The book gives it its rules; the month view shows the months it jumps to.
    YearPageLink(const Clock& clock, Dialogs& dialogs, Settings& settings, QTabWidget* pages, MonthView& monthView,
                 const ScheduleBook& book);

    // The widget of the "年" tab, which holds the page once it is made.
    QWidget* tab() const { return m_tab; }
    // The year page, made when it does not exist yet.
    YearPage* page();
    bool built() const { return m_page != nullptr; }

    // Takes the stored values, today, the book's rules and the month grid's rokuyo and solar-term settings, then shows
    // the year of today. Until the page is made, it keeps the day and does this when the page is made.
    void showYearAtStart() override;
    void startDayCount() override;
    // Shows the month in the month view and turns to the month page.
    void jumpToMonth(std::string_view yyyymm) override;

    // Shows the day-count sub-page with "開始日" selected on the year page (menu "日数計算(&N)").
    void showDayCount();
    // Shows or hides the rokuyo in the year page's calendars.
    void setShowRokuyo(bool on);
    // Shows or hides the mark of the solar terms' days in the year page's calendars.
    void setShowSolarTerms(bool on);
    // Takes today from the clock again for the calendars' today mark; a page not made yet takes it when made.
    void refreshToday() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void takeRules();
    void applySettings();
    void storeSettings();
    // Takes a first month chosen on the settings page, when the year page shows.
    void followSettings();
    int32_t today() const;

    const Clock& m_clock;
    Dialogs& m_dialogs;
    Settings& m_settings;
    QTabWidget* m_pages;
    MonthView& m_monthView;
    const ScheduleBook& m_book;
    QWidget* m_tab;
    YearPage* m_page = nullptr;
    bool m_applying = false;
    // What the start and the month grid gave the page before it was made.
    std::optional<int32_t> m_startDay;
    std::optional<int32_t> m_dayCountDay;
    std::optional<bool> m_showRokuyo;
    std::optional<bool> m_showSolarTerms;
    bool m_rulesChanged = false;
};

} // namespace rekko
