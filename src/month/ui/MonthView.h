// SPDX-License-Identifier: GPL-3.0-or-later
// The month page at work: the grid with its month and period lists, moving between months, the year-month and
// day entries, the mouse and popup commands on the grid, and the seams through which the schedule dialog edits.
#pragma once

#include "MonthPage.h"

#include "controls/ui/TSeMCal.h"
#include "month/GridInteraction.h"
#include "month/MonthPorts.h"
#include "month/MonthSettings.h"
#include "month/ScheduleStores.h"
#include "platform/Clock.h"
#include "schedule/Anniversary.h"
#include "schedule/DayLines.h"
#include "schedule/PeriodRecord.h"
#include "schedule/ui/ScheduleDialog.h"

#include <QLineEdit>
#include <QObject>
#include <QShortcut>

#include <functional>
#include <optional>
#include <vector>

namespace rekko {

class MonthView : public QObject, public MonthDisplay {
    Q_OBJECT
public:
    // dayEntry is the day entry edtStatus of the status bar. The host gives today, the data folder and save all; the
    // settings are the month page's keys of the shell's settings, read when used and given the schedule dialog's
    // place when it closes. The page loads the book's months and periods, edits them and draws them.
    MonthView(MonthPage* page, QLineEdit* dayEntry, MonthShell& host, MonthSettings& settings, const Clock& clock,
              Dialogs& dialogs, ScheduleBook& book);

    TSeMCal* grid() const { return m_grid; }
    ScheduleStores& stores() { return m_stores; }

    // The editing seams, filled with the schedule dialog: each gets what is stored and answers the edited value, or
    // nothing when the user wrote nothing.
    std::function<std::optional<DaySchedule>(int32_t day, const DaySchedule& schedule)> editDay;
    std::function<std::optional<PeriodFields>(const PeriodFields& period, bool isNew)> editPeriod;
    std::function<std::optional<Anniversary>(int32_t day, const Anniversary& anniversary)> editAnniversary;
    // A press on a day taken by another command (the diary link while armed): answering true, the grid does nothing
    // else with the press, nor with the release while takeRelease answers true.
    std::function<bool(int32_t day)> takeDayPress;
    std::function<bool()> takeRelease;

    // Opens a day of the shown month, a period (0: a new one over the pending range) and the anniversary of a day.
    void openDay(int32_t day);
    void openPeriod(int index, const GridAction& range = {});
    void openAnniversary(int32_t day);
    // Writes the special days to "Sday.myc" (ScheduleStores::replaceSpecialDays) and redraws the calendars with them.
    Status replaceSpecialDays(std::vector<std::string> lines);
    // Loads the months and periods again from their files, without saving (ScheduleStores::reload), and redraws;
    // a failure is shown.
    void reloadSchedules();

    // Adds what the schedule dialog holds and has not written, if anything, to the report (AddUnwrittenEdit), for
    // an end that cannot wait for the user.
    void reportUnwrittenEdit(SaveReport& report) const;

    // Gives the grid today, its options and the holiday and special-day files, and shows this month.
    void finishInitialisation() override;
    void setToday(int32_t day) override;
    void showThisMonth() override { showCurrentMonth(); }
    void redraw() override;
    // Shows the grid as the settings say now: cbNextDay, cbNeighborJump, cbBold, cbRokuyo, cbSekki, cbRekichu and
    // udCalSize (three lines a day in the compact layout). Answers whether the lines a day changed, and with them the
    // size the grid asks for.
    bool followSettings();

public slots:
    // Shows this month (slot 1, leaving jump mode) and gives the grid the focus.
    void showCurrentMonth();
    // Moves by months from the shown month (the step buttons, the menu, Ctrl+Left and Ctrl+Right).
    void step(int months);
    // Shows the month of "YYYYMM" (a month of the window, or the jumped month); answers false when it was refused.
    bool jumpToMonth(std::string_view yyyymm);

signals:
    // The year-month entry opened: the status bar shows the hint while it stays open.
    void hintShown(const QString& hint);
    // The entry closed: the status bar shows its own text again.
    void hintClosed();
    // The grid's day rules changed: an anniversary was written, or the holidays follow cbNextDay anew.
    void dayRulesChanged();

private:
    void useScheduleDialog();
    DayNameList namesOf(int32_t day) const;
    void wireNavigation();
    void wireEntries();
    void wireGrid();
    // Shows the navigator's slot: tabs, the grid's month and list, a redraw.
    void showSlot();
    void toggleYearMonthEntry(bool show);
    void showDayEntry();
    bool dayEntryKey(int key);
    GridPoint pointAt(int x, int y) const;
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void perform(const GridAction& action);
    void popup(const QPoint& at);

    MonthPage* m_page;
    QLineEdit* m_dayEntry;
    MonthShell& m_host;
    MonthSettings& m_settings;
    const Clock& m_clock;
    Dialogs& m_dialogs;
    ScheduleBook& m_book;
    TSeMCal* m_grid;
    ScheduleDialog* m_dialog = nullptr;
    ScheduleStores m_stores;
    GridInteraction m_mouse;
    std::vector<QShortcut*> m_monthKeys; // Ctrl+Right, Left, Up, Down and L
};

} // namespace rekko
