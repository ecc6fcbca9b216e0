// SPDX-License-Identifier: GPL-3.0-or-later
// The year page (tsYear): twelve small month calendars with their labels, the year and its steps, the span label,
// the first-month rule on the "標準" sub-page and the day count on the "日数計算" sub-page.
#pragma once

#include "DayCountPage.h"

#include "controls/ui/TSeMCalendar.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "year/YearController.h"
#include "year/YearPageSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QWidget>

#include <array>

namespace rekko {

// The controls of the page; each carries its name as objectName.
struct YearPageControls {
    QPushButton* FramSpeedBtn7 = nullptr;  // "前年"
    QPushButton* FramSpeedBtn8 = nullptr;  // "翌年"
    QPushButton* FramSpeedBtn16 = nullptr; // "変更実行"
    TSeNEdit* edtYear = nullptr;
    UpDownButtons* udYear = nullptr;
    QLabel* lblYM = nullptr;
    std::array<TSeMCalendar*, 12> SeMCalendar{}; // SeMCalendar1 .. SeMCalendar12
    std::array<QLabel*, 12> Label{};             // Label1 .. Label12
    QTabWidget* pcNen = nullptr;
    QWidget* tsNen = nullptr;
    std::array<QRadioButton*, 3> rgYFirstMonth{}; // "標準", "年度", "特別"
    QSpinBox* SpHajimariTuki = nullptr;
    DayCountPage* tsNisuu = nullptr;
};

class YearPage : public QWidget {
    Q_OBJECT
public:
    // The clock gives today (the calendars' today mark, the year at start, the calculator's first dates); the jump
    // shows a clicked month in the month view; the dialogs ask and inform.
    YearPage(const Clock& clock, Dialogs& dialogs, MonthJump& jump, QWidget* parent = nullptr);

    const YearPageControls& controls() const { return m_c; }
    YearController& controller() { return m_controller; }

    // Takes the stored values (first-month rule, counting method, automatic calculation, sub-page) and redraws.
    void apply(const YearPageSettings& settings);
    // Returns the values to store.
    YearPageSettings settings() const;

    // Gives every calendar the holiday and special-day lists of the rules, the substitute and citizens' holidays by
    // cbNextDay.
    void setRules(const DayRules& rules, bool nextDay);
    // Shows or hides the rokuyo in every calendar.
    void setShowRokuyo(bool on);
    // Shows or hides the mark of the solar terms' days in every calendar.
    void setShowSolarTerms(bool on);
    // Takes today from the clock again (for the date rollover) and redraws.
    void refreshToday();

    // Shows the year that holds the day under the first-month rule.
    void showYearAtStart(int32_t day);
    // Shows a year from the first month, sets every calendar to the 1st of its month, its label and the span.
    void showYear(int32_t year);
    // Sets both dates of the calculator to the day and counts once.
    void startDayCount(int32_t day);
    // Shows the day-count sub-page with "開始日" selected (menu "日数計算(&N)").
    void showDayCount();

private:
    void buildTop();
    QWidget* buildCalendars();
    QWidget* buildStandardPage();
    void calendarClicked(int index, bool dayTaken);
    void applyTypedYear();
    void firstMonthChosen();
    int32_t today() const;

    const Clock& m_clock;
    YearController m_controller;
    YearPageControls m_c;
};

} // namespace rekko
