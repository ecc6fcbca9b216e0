// SPDX-License-Identifier: GPL-3.0-or-later
// The page " タイマー " of the timer window: its two clocks, set-time fields, two-touch buttons, lines and buttons.
#pragma once

#include "controls/ui/TClock.h"
#include "controls/ui/UpDownButtons.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>

namespace rekko {

// The page's controls; the objectNames are for tests.
struct TimerControls {
    TClock* currentClock = nullptr;               // "現在時刻": follows the clock (clkGenzai)
    TClock* setClock = nullptr;                   // "設定時刻": the set time without a second hand (clkSettei)
    std::array<QLineEdit*, 3> fields{};           // hour, minute, second (edHour, edMinute, edSecond)
    std::array<UpDownButtons*, 3> upDowns{};      // their spinners (udHour, udMinute, udSecond)
    QPushButton* nowButton = nullptr;             // "現在時刻セット" (btnGenzai)
    QGroupBox* twoTouch = nullptr;                // " ２タッチ設定 " (gbTwoTouch)
    std::array<QPushButton*, 24> hourButtons{};   // 0..23 (btnHour0..btnHour23)
    std::array<QPushButton*, 12> minuteButtons{}; // 0, 5, ..., 55 (btnMinute0..btnMinute55)
    QComboBox* noticeList = nullptr;              // "通知時刻：" 0..9 "分前" (cbNotice)
    QPushButton* startStopButton = nullptr;       // "タイマー開始(&G)" / "タイマー中止(&G)" (btnStart)
    QPushButton* closeButton = nullptr;           // "閉じる(&X)" (btnClose)
    QLabel* stateLabel = nullptr; // "タイマー作動中" / "設定された時刻になりました。" (lblState)
    QLabel* countdownLine = nullptr; // lblCountdown
    QLabel* noticeLine = nullptr;    // lblNotice
    QLabel* statusLine = nullptr;    // lblStatus
};

// Builds and lays out the controls; the timer window binds them to its controller.
class TimerPage : public QWidget {
    Q_OBJECT
public:
    explicit TimerPage(const Clock& clock, QWidget* parent = nullptr);

    const TimerControls& controls() const { return m_controls; }

private:
    QWidget* buildClocks(const Clock& clock);
    QWidget* buildFields();
    QWidget* buildLines();
    QGroupBox* buildTwoTouch();

    TimerControls m_controls;
};

} // namespace rekko
