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
    // after) and save all (the edited jumped month, months 0 to 4, the period file, in this order). While the
    // controller holds writes back, nothing is written and each edited file is reported.
    void attach();

    // Saves all, then deletes the period-file copies of the current directory that no setting names any more (when
    // a rotation happened in this run); going resident and the maintenance windows run it. A failed save shows
    // "不要アイテム削除エラー" with what was not saved and deletes nothing; a failed deletion shows "ファイルの削除に
    // 失敗しました。" with the file and stops. Answers whether both went through.
    bool removeStaleCopies();

    MonthStore& months() { return m_months; }
    PeriodStore& periods() { return m_periods; }
    MonthNavigator& navigator() { return m_navigator; }

private:
    Status loadAfterSettings();
    Status saveMonth(int slot);

    MainController& m_controller;
    Dialogs& m_dialogs;
    MonthStore m_months;
    PeriodStore m_periods;
    MonthNavigator m_navigator;
};

} // namespace rekko
