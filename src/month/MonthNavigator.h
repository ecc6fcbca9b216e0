// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between months: the five tabs, the jumped month outside the window, and the typed year and month.
#pragma once

#include "MonthPorts.h"
#include "MonthStore.h"
#include "PeriodStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rekko {

inline constexpr const char* kThisMonthTab = "今月";
inline constexpr const char* kTypedMonthHint = "YYYYMM形式で指定してください。決定は、年月の設定後[Enter]キー。";

class MonthNavigator {
public:
    // The host's save all runs before an edited jumped month is left for another far one.
    MonthNavigator(MonthStore& months, PeriodStore& periods, Dialogs& dialogs, MonthShell& host)
        : m_months(months), m_periods(periods), m_dialogs(dialogs), m_host(host) {}

    // Resets to the current month of a freshly built window: slot 1, no jump mode.
    void reset();

    enum class JumpResult { InWindow, Jumped, TooFarPast, TooFarFuture, Refused };

    // Shows the month of "YYYYMM": a month of the window selects its slot (leaving jump mode), any other month
    // becomes the jumped month in slot 5. Months more than 109 500 days outside the window are refused with a
    // message; Refused also when leaving jump mode was cancelled or the text is no year and month.
    JumpResult jump(std::string_view yyyymm);

    // Leaves jump mode: an edited jumped month is saved (asking before overwriting its file, and asking again
    // before dropping the edits), then the period file. Answers false when the user chose to stay.
    bool leaveJumpMode();

    // Move by months from the shown month; this month; the month typed as "YYYYMM" (remembering the slot to
    // return to with standardDisplay). typedMonth shows "[YYYYMM]形式で、指定してください。" for a bad month.
    JumpResult stepMonths(int months);
    JumpResult thisMonth(int32_t today);
    JumpResult typedMonth(std::string_view text);
    // Returns to the slot before a typed jump, leaving jump mode.
    void standardDisplay();
    // Chooses a tab: in jump mode the second tab is this month.
    JumpResult chooseTab(int tab, int32_t today);

    // Reads the day typed into the status-bar entry: a day of the shown month, or nothing after the message
    // "[ text ]日は、日付に出来ません。"; an empty entry gives nothing without a message.
    std::optional<int> typedDay(std::string_view text);

    int currentSlot() const { return m_currentSlot; }
    bool jumpMode() const { return m_jumpMode; }
    const MonthSlot& shown() const { return m_months.window().slot(m_currentSlot); }
    // The tab labels: the five months, or in jump mode the jumped month and "今月".
    std::vector<std::string> tabLabels() const;
    int selectedTab() const { return m_jumpMode ? 0 : m_currentSlot; }

private:
    void report(const SaveReport& report);
    void reportFailure(const Status& status);

    MonthStore& m_months;
    PeriodStore& m_periods;
    Dialogs& m_dialogs;
    MonthShell& m_host;
    int m_currentSlot = 1;
    int m_slotBeforeJump = 1;
    bool m_jumpMode = false;
};

} // namespace rekko
