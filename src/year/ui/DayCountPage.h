// SPDX-License-Identifier: GPL-3.0-or-later
// The day-count sub-page of the year page (tsNisuu): two dates with up-downs, the slot a click sets, automatic
// calculation, the counting method and the result.
#pragma once

#include "controls/ui/TSeNEdit.h"
#include "controls/ui/UpDownButtons.h"
#include "platform/Dialogs.h"
#include "year/DayCount.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace rekko {

// The controls of the sub-page; each carries its name as objectName.
struct DayCountControls {
    std::array<TSeNEdit*, 3> date1{}; // edtYear_1, edtMonth_1, edtDay_1
    std::array<TSeNEdit*, 3> date2{}; // edtYear_2, edtMonth_2, edtDay_2
    std::array<UpDownButtons*, 3> upDowns1{};
    std::array<UpDownButtons*, 3> upDowns2{};
    QRadioButton* rbSt = nullptr;           // "開始日"
    QRadioButton* rbEd = nullptr;           // "終了日"
    QCheckBox* cbKeisan = nullptr;          // "自動計算"
    QGroupBox* rgNissuu = nullptr;          // "計算方法"
    std::array<QRadioButton*, 2> methods{}; // "日数(期間-1)", "期間"
    QPushButton* btnKeisan = nullptr;       // "計算実行"
    QLabel* lblNissuu = nullptr;            // "%d日"
    QLabel* lblHint = nullptr;              // which date to click next
};

class DayCountPage : public QWidget {
    Q_OBJECT
public:
    // The dialogs show why a date cannot be counted.
    explicit DayCountPage(Dialogs& dialogs, QWidget* parent = nullptr);

    const DayCountControls& controls() const { return m_c; }

    // Puts a day number into the fields of a date.
    void setDate(DateSlot slot, int32_t jd);
    // Takes a date clicked in a calendar: into the selected date, then counting at once or asking for the other.
    void takeClick(int32_t jd);
    // Selects the date a click sets.
    void selectSlot(DateSlot slot);
    DateSlot selectedSlot() const;

    // Counts the days between the two dates and shows "%d日"; an impossible date shows its message, empties the
    // result and answers false.
    bool compute();

    DayCountMethod method() const;
    void setMethod(DayCountMethod method);
    bool automatic() const;
    // Turns automatic calculation on or off; while it is on the calculate button is hidden.
    void setAutomatic(bool on);

private:
    QWidget* buildDateRow(int row, QRadioButton* selector);
    std::array<TSeNEdit*, 3>& fields(DateSlot slot) { return slot == DateSlot::Start ? m_c.date1 : m_c.date2; }
    void step(DateSlot slot, int field, int step);

    Dialogs& m_dialogs;
    DayCountControls m_c;
};

} // namespace rekko
