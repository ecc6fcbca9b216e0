// The month page at work: the grid with its month and period lists, moving between months, the year-month and
// day entries, the mouse and popup commands on the grid, and the seams through which the schedule dialog edits.
#pragma once

#include "MainMenu.h"
#include "MainStatusBar.h"
#include "MonthPage.h"

#include "app/GridInteraction.h"
#include "app/ScheduleStores.h"
#include "controls/ui/TSeMCal.h"
#include "schedule/ui/ScheduleDialog.h"
#include "schedule/Anniversary.h"
#include "schedule/DayLines.h"
#include "schedule/PeriodRecord.h"

#include <QObject>
#include <QShortcut>

#include <functional>
#include <optional>
#include <vector>

namespace rekko {

class MonthView : public QObject {
    Q_OBJECT
public:
    MonthView(MonthPage* page, MainStatusBar* status, MainMenu* menus, MainController& controller, Dialogs& dialogs);

    TSeMCal* grid() const { return m_grid; }
    ScheduleStores& stores() { return m_stores; }

    // The editing seams, filled with the schedule dialog: each gets what is stored and answers the edited value, or
    // nothing when the user wrote nothing.
    std::function<std::optional<DaySchedule>(int32_t day, const DaySchedule& schedule)> editDay;
    std::function<std::optional<PeriodFields>(const PeriodFields& period, bool isNew)> editPeriod;
    std::function<std::optional<Anniversary>(int32_t day, const Anniversary& anniversary)> editAnniversary;

    // Opens a day of the shown month, a period (0: a new one over the pending range) and the anniversary of a day.
    void openDay(int32_t day);
    void openPeriod(int index, const GridAction& range = {});
    void openAnniversary(int32_t day);

public slots:
    // Shows this month (slot 1, leaving jump mode) and gives the grid the focus.
    void showCurrentMonth();

private:
    void useScheduleDialog();
    DayNameList namesOf(int32_t day) const;
    void finishMonthInitialisation();
    void wireNavigation();
    void wireEntries();
    void wireGrid();
    void step(int months);
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
    MainStatusBar* m_status;
    MainController& m_controller;
    Dialogs& m_dialogs;
    TSeMCal* m_grid;
    ScheduleDialog* m_dialog = nullptr;
    ScheduleStores m_stores;
    GridInteraction m_mouse;
    QString m_panel1Before;
    std::vector<QShortcut*> m_monthKeys; // Ctrl+Right, Left, Up, Down and L
};

} // namespace rekko
