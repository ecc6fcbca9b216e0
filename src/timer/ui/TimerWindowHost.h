// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the timer window for the main window: in setting mode from its button and menu, in alert mode from its tick.
#pragma once

#include "TimerWindow.h"

#include <QAbstractButton>
#include <QObject>
#include <QPointer>

namespace rekko {

// Usage from the main window (the timer itself lives in the main controller):
//     TimerWindowHost host(controller.timer(), clock, dialogs, mainWindow);
//     connect(btnM10, clicked, &host, &TimerWindowHost::openSetting);   // and the menu "時限［タイマー］(&T)"
//     connect(&host, &TimerWindowHost::armedChanged, [=](bool armed) { ShowTimerArmed(*btnM10, armed); });
//     in the tick: controller.timer().checkAlarm(clock.now(), host);     // queues; never opens inside the tick
// While the window is open the main window's timer is disarmed; when it closes, set time, armed flag and notice
// minutes are taken back from it. The window is shown without an event loop of its own.
class TimerWindowHost : public QObject, public TimerAlert {
    Q_OBJECT
public:
    TimerWindowHost(CountdownTimer& timer, const Clock& clock, Dialogs& dialogs, QWidget* parentWindow);
    ~TimerWindowHost() override;

    // The open timer window, or null.
    TimerWindow* window() const { return m_window; }

    // Opens the window in setting mode, or raises it when it is open; a failure shows "タイマーエラー（設定）".
    void openSetting();
    // Opens the window in alert mode once control is back in the event loop; a failure shows "タイマーエラー（表示）".
    // Does nothing while the window is open: it raises its own alert.
    void queueAlert() override;
    // Turns the timer function (cbJigen) on or off; off disarms the timer.
    void switchFunction(bool on);

signals:
    // The main window's timer was armed or disarmed: "時限" shows it.
    void armedChanged(bool armed);
    // The window has closed and its values are back in the timer.
    void closed();

private:
    void open(TimerWindowMode mode, const char* failure);

    CountdownTimer& m_timer;
    const Clock& m_clock;
    Dialogs& m_dialogs;
    QWidget* m_parentWindow;
    QPointer<TimerWindow> m_window;
};

// Draws the main window's button "時限" in highlighted colours while the timer is armed, in its normal ones otherwise.
void ShowTimerArmed(QAbstractButton& button, bool armed);

} // namespace rekko
