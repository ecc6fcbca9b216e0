// The month and period stores of the main window, and their part in month initialisation and save all.
#pragma once

#include "MainController.h"
#include "MonthNavigator.h"
#include "MonthStore.h"
#include "PeriodStore.h"

namespace rekko {

class ScheduleStores {
public:
    // The grid keeps the month and period lists the stores load and save.
    ScheduleStores(MainController& controller, Dialogs& dialogs, MonthGrid& grid);

    // Joins month initialisation (the window before the settings are read; the five months and the period file
    // after) and save all (the edited jumped month, months 0 to 4, the period file, in this order).
    void attach();

    MonthStore& months() { return m_months; }
    PeriodStore& periods() { return m_periods; }
    MonthNavigator& navigator() { return m_navigator; }

private:
    Status loadAfterSettings();

    MainController& m_controller;
    Dialogs& m_dialogs;
    MonthStore m_months;
    PeriodStore m_periods;
    MonthNavigator m_navigator;
};

} // namespace rekko
