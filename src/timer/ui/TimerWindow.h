// SPDX-License-Identifier: GPL-3.0-or-later
// The timer window fmNichiji: the page " タイマー " bound to its controller, its three states and the alert on top.
#pragma once

#include "TimerPage.h"

#include "timer/TimerWindowController.h"

#include <QDialog>
#include <QTabWidget>
#include <QTimer>

#include <memory>

namespace rekko {

class InstanceEndpoint;

// Usage (TimerWindowHost does this for the main window):
//     TimerWindow window(clock, dialogs, timer, TimerWindowMode::Setting, parent);
//     window.show();                      // or open(); it never runs an event loop of its own
//     ... when finished: timer = window.timer();
// The window is application-modal, 782 pixels wide in the setting state and 515 in the waiting and alert states.
// Entering the alert brings it to the front and keeps it above other windows without activating, moving or resizing
// it; the alert no longer blocks the other windows of the program.
class TimerWindow : public QDialog {
    Q_OBJECT
public:
    TimerWindow(const Clock& clock, Dialogs& dialogs, const CountdownTimer& timer, TimerWindowMode mode,
                QWidget* parent = nullptr);
    ~TimerWindow() override;

    const TimerControls& controls() const { return m_page->controls(); }
    TimerWindowState state() const { return m_controller.state(); }
    // The timer to take back when the window has closed.
    const CountdownTimer& timer() const { return m_controller.timer(); }
    QTimer* displayTimer() const { return m_displayTimer; }

    // 閉じる(&X), Esc and the close box: in the setting state only after the user confirms.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void bind();
    void showFields(const SetTimeFields& fields);
    SetTimeFields fields() const;
    void fieldsEdited();
    void startOrStop();
    void displayTick();
    void applyState();
    void showDisplay();
    void keepOnTop();

    TimerWindowController m_controller;
    TimerPage* m_page;
    QTabWidget* m_pages;
    QTimer* m_displayTimer;
    bool m_fillingFields = false;
    std::unique_ptr<InstanceEndpoint> m_endpoint;
};

} // namespace rekko
