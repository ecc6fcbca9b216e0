// SPDX-License-Identifier: GPL-3.0-or-later
// The year page in the main window: its steps of month initialisation and the creation sequence, its stored
// values written through to the settings, its rules taken from the month grid, and its jumps to the month view.
#pragma once

#include "app/Settings.h"
#include "app/ShellPorts.h"
#include "month/ui/MonthView.h"
#include "year/ui/YearPage.h"

#include <QObject>
#include <QTabWidget>

namespace rekko {

class YearPageLink : public QObject, public YearPort, public MonthJump {
    Q_OBJECT
public:
    // Makes the year page inside pages; the month view gives it its rules and shows the months it jumps to.
    YearPageLink(const Clock& clock, Dialogs& dialogs, Settings& settings, QTabWidget* pages, MonthView& monthView);

    YearPage* page() const { return m_page; }

    // Takes the stored values, today, the month grid's rules and its rokuyo setting, then shows the year of today.
    void showYearAtStart() override;
    void startDayCount() override;
    // Shows the month in the month view and turns to the month page.
    void jumpToMonth(std::string_view yyyymm) override;

    // Shows the day-count sub-page with "開始日" selected on the year page (menu "日数計算(&N)").
    void showDayCount();

private:
    void takeRules();
    void applySettings();
    void storeSettings();
    // Takes a first month chosen on the settings page, when the year page shows.
    void followSettings();

    Settings& m_settings;
    QTabWidget* m_pages;
    MonthView& m_monthView;
    YearPage* m_page;
    bool m_applying = false;
};

} // namespace rekko
