// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of the main window's function timer, and the date change it runs at midnight.
#include "FunctionTick.h"

#include "ShellSequence.h"

#include <climits>

namespace rekko {

namespace {

int MonthIndex(int32_t day) {
    const CalendarDate date = DecodeJuliusDay(day);
    return date.year * 12 + date.month - 1;
}

// Sets a flag for the life of the guard, also when a port throws.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
};

// Keeps the automatic-correction check box disabled while a tick runs; a tick nested in a message box of another
// leaves it to the outer one.
class TickScope {
public:
    TickScope(int& depth, TickWindow& window) : m_depth(depth), m_window(window) {
        if (m_depth++ == 0)
            m_window.setAutoCorrectionEnabled(false);
    }
    ~TickScope() {
        if (--m_depth == 0)
            m_window.setAutoCorrectionEnabled(true);
    }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

private:
    int& m_depth;
    TickWindow& m_window;
};

} // namespace

FunctionTick::FunctionTick(const Ports& ports, const Settings& settings) : m_ports(ports), m_settings(settings) {}

void FunctionTick::start() {
    m_warmUpCounter = kWarmUpTicks;
    m_warmUpFast = m_settings.cbTShuusei;
    m_ticksSinceStart = 0;
    m_windowMonth = MonthIndex(m_ports.months.today());
    m_ports.window.setTickInterval(intervalMilliseconds());
}

int FunctionTick::intervalMilliseconds() const {
    if (m_warmUpCounter > 0)
        return m_warmUpFast ? 1000 : 10000;
    const int item = m_settings.cbTimerNo;
    const bool listed = item >= 0 && item < static_cast<int>(kCheckIntervalSeconds.size());
    return (listed ? kCheckIntervalSeconds[item] : 10) * 1000;
}

void FunctionTick::tick() {
    TickScope scope(m_depth, m_ports.window);
    const LocalDateTime now = m_ports.clock.now();
    if (m_ports.window.visible())
        m_ports.status.refreshPanel0(m_ports.correction.retrievalRunning());

    if (m_ticksSinceStart < INT_MAX)
        ++m_ticksSinceStart;
    if (m_warmUpCounter > 0 && --m_warmUpCounter == 0) {
        m_warmUpCounter = -1;
        m_ports.window.setTickInterval(intervalMilliseconds());
    }

    checkAlarm(now);
    if (m_ports.correction.retrievalRunning() || m_dateChangeRunning)
        return;
    // While Jiglo sets the clock, automatic correction is left to it; the date still rolls over.
    if (jigloKeepsTheClock())
        m_ports.status.refreshPanel1();
    else if (m_settings.cbTShuusei && m_ports.correction.checkSchedule(now, m_ticksSinceStart))
        return;
    rollOver(now);
}

void FunctionTick::checkAlarm(LocalDateTime now) {
    m_ports.timer.checkAlarm(now, m_ports.alert);
}

bool FunctionTick::jigloKeepsTheClock() {
    // Jiglo's window alone is not enough: its autostart entry says it is the one setting the clock. Once found, the
    // mark holds until a refresh of panel 1 finds the entry gone.
    return m_ports.status.jigloMark() ||
           (m_ports.status.jigloShortcutExists() && m_ports.instances.exists(kJigloWindowTitle));
}

void FunctionTick::rollOver(LocalDateTime now) {
    const int32_t day = DateTimeToJuliusDay(now);
    // A hidden program keeps its today until it is shown again.
    if (day == m_ports.months.today() || !m_ports.window.visible())
        return;
    const ShownPage page = m_ports.window.shownPage();
    if (m_ports.dialogState.scheduleDialogOpen() || (page != ShownPage::Month && page != ShownPage::Year))
        return;
    if (page == ShownPage::Month) {
        m_ports.months.showThisMonth();
        m_ports.status.showDateChanging();
    }
    if (changeDate(day))
        m_ports.status.endDateChanging();
}

bool FunctionTick::changeDate(int32_t day) {
    FlagGuard running(m_dateChangeRunning);
    // Any change of month shifts the month window, whatever the day: the window may have been hidden over the end
    // of the month, or the computer asleep.
    const bool newMonth = MonthIndex(day) != m_windowMonth;
    m_ports.months.storeToday(day);
    if (newMonth) {
        if (!shiftMonths(day))
            return false;
    } else {
        m_ports.months.redraw();
    }
    m_ports.months.refreshYearView();
    return true;
}

bool FunctionTick::shiftMonths(int32_t day) {
    const SaveReport saved = m_ports.months.saveAll();
    if (!saved.ok()) {
        // Reading the months again would drop what could not be written: the window stays as it is, the lines stay
        // in memory, and the next date change tries again.
        m_ports.dialogs.inform(saved.message());
        m_ports.months.redraw();
        return true;
    }
    const Status reloaded = m_ports.months.reinitialise();
    if (!reloaded) {
        if (!reloaded.error().reported)
            m_ports.dialogs.inform(MonthInitFailedMessage(reloaded.error()));
        m_ports.window.quitWithoutSaving();
        return false;
    }
    m_windowMonth = MonthIndex(day);
    // Month initialisation leaves the timer at 10 s; the tick keeps its own interval.
    m_ports.window.setTickInterval(intervalMilliseconds());
    return true;
}

} // namespace rekko
