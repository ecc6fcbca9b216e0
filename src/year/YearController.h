// SPDX-License-Identifier: GPL-3.0-or-later
// The year page's logic without its widgets: the shown year and first month, the typed year and the question that
// opens a calendar's month in the month view.
#pragma once

#include "YearSpan.h"

#include "platform/Dialogs.h"

#include <string>
#include <string_view>

namespace rekko {

// The month view as the year page sees it.
class MonthJump {
public:
    virtual ~MonthJump() = default;
    // Shows the month of "YYYYMM" (four-digit year, two-digit month) in the month view.
    virtual void jumpToMonth(std::string_view yyyymm) = 0;
};

// Returns the question "Y 年 M 月のマンスリーカレンダーを表示しますか？" for a month.
std::string MonthViewQuestion(int32_t year, int month);

class YearController {
public:
    YearController(Dialogs& dialogs, MonthJump& jump) : m_dialogs(dialogs), m_jump(jump) {}

    int32_t year() const { return m_year; }
    // Sets the year, kept within 0..9999.
    void setYear(int32_t year);
    // Reads a typed year; answers false and keeps the year for a text that is no year 0..9999.
    bool applyTypedYear(std::string_view text);

    FirstMonthRule rule() const { return m_rule; }
    int specialMonth() const { return m_specialMonth; }
    // Chooses the first-month rule and the special month (kept within 1..12).
    void setFirstMonth(FirstMonthRule rule, int specialMonth);
    int firstMonth() const { return FirstMonthOf(m_rule, m_specialMonth); }

    // Returns the months of the twelve calendars for the shown year and first month.
    std::array<YearMonth, 12> span() const { return YearSpan(m_year, firstMonth()); }

    // Asks (caption "確認", Yes/No) whether to show a calendar's month in the month view and shows it on Yes.
    // Answers whether the month view was asked to show it.
    bool offerMonthView(int32_t year, int month);

    // Shows an error a calendar met, such as a key move onto 1582-10-05..14, in an error box with the program's
    // title as caption.
    void showError(const std::string& message);

private:
    Dialogs& m_dialogs;
    MonthJump& m_jump;
    int32_t m_year = 2000;
    FirstMonthRule m_rule = FirstMonthRule::Standard;
    int m_specialMonth = 1;
};

} // namespace rekko
