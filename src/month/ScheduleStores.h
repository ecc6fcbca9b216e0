// SPDX-License-Identifier: GPL-3.0-or-later
// The month and period stores of the month page with their navigation, and their part in month initialisation and
// save all.
#pragma once

#include "MonthNavigator.h"
#include "MonthPorts.h"
#include "MonthStore.h"
#include "PeriodStore.h"

#include "schedule/Anniversary.h"

#include <array>
#include <string>

namespace rekko {

class ScheduleStores {
public:
    // The book keeps the month and period lines the stores load and save; copyNames are the settings CaFT1 to CaFT3.
    ScheduleStores(MonthShell& host, Dialogs& dialogs, ScheduleBook& book, std::array<std::string, 3>& copyNames);

    // Builds the month window around the host's today with empty lists, on its current month (the month
    // initialisation step before the settings are read).
    void buildWindow();
    // Loads months 0 to 4 and the period file of the host's data folder (the steps after the settings); answers the
    // first failure. While the host holds writes back, a missing period file is neither announced nor created.
    Status load();
    // Loads months 0 to 4, the jumped month and the period file again, without saving, after a command of the
    // maintenance window rewrote them; answers the first failure.
    Status reload();
    // Saves the jumped month when it was edited, months 0 to 4 and the period file, in this order, into the report,
    // with the notes of every write that merged with the disk since the last save. While the host holds writes back
    // nothing is written and each edited file is reported.
    void save(SaveReport& report);

    // Saves all, then deletes the period-file copies of the current directory that no setting names any more (when
    // a rotation happened in this run); going resident and the maintenance windows run it. A failed save shows
    // "不要アイテム削除エラー" with what was not saved and deletes nothing; a failed deletion shows "ファイルの削除に
    // 失敗しました。" with the file and stops. Answers whether both went through.
    bool removeStaleCopies();

    // The anniversary of a date as the special days hold it (an empty one when there is none).
    Anniversary anniversaryOf(int month, int day) const;
    // Puts an edited anniversary in the place of the one found for the date and writes the special days to
    // "Sday.myc" of the current directory, where they were read; the book then holds them. While the host holds
    // that folder's files back, or when the file could not be read, nothing changes and the failure is answered.
    Status saveAnniversary(int month, int day, const Anniversary& found, const Anniversary& edited);
    // Writes the special days to "Sday.myc" of the current directory as saveAnniversary does.
    Status replaceSpecialDays(std::vector<std::string> lines);

    MonthStore& months() { return m_months; }
    PeriodStore& periods() { return m_periods; }
    MonthNavigator& navigator() { return m_navigator; }

private:
    Status saveMonth(int slot);
    Status savePeriods();

    MonthShell& m_host;
    Dialogs& m_dialogs;
    ScheduleBook& m_book;
    MonthStore m_months;
    PeriodStore m_periods;
    MonthNavigator m_navigator;
};

} // namespace rekko
