// SPDX-License-Identifier: GPL-3.0-or-later
// The function tick tmKinou and the status panels joined to the main window: the timer that runs the tick, the open
// dialogs and the status bar; the window and the months come as the tick's ports.
#pragma once

#include "app/FunctionTick.h"
#include "app/StatusPanels.h"
#include "clocksync/AutomaticCorrection.h"
#include "platform/SingleWorker.h"
#include "platform/ui/LocalInstance.h"

#include <QObject>
#include <QTimer>

namespace rekko {

class MainController;
class MainStatusBar;

// What the tick is joined to in the main window.
struct MainTickParts {
    MainController& controller;
    Dialogs& dialogs;
    TickWindow& window;
    TickMonths& months;
    MainStatusBar& status;
    QTimer& timer;     // tmKinou
    TimerAlert& alert; // opens the timer window when the countdown timer comes due
};

class MainTick : public QObject, private DialogState, private StatusBar, private ClockCorrection, public RetrievalView {
    Q_OBJECT
public:
    MainTick(QObject* parent, const MainTickParts& parts);

    FunctionTick& tick() { return m_tick; }
    StatusPanels& status() { return m_status; }
    // Answers whether a time retrieval runs: an automatic one or a connection test.
    bool retrievalRunning() const override { return m_retrieving; }
    // Shows panel 0 now (activation, start).
    void refreshClock() { m_status.refreshPanel0(m_retrieving); }
    // Marks the main window busy or idle (a retrieval started or ended).
    void showRetrieval(bool running) override;

private:
    bool scheduleDialogOpen() const override;
    bool checkSchedule(LocalDateTime now, int ticksSinceStart) override;

    void showPanel0(const std::string& text) override;
    void showPanel1(const StatusLine& line) override;
    void setHighlighted(bool highlighted) override;

    MainStatusBar& m_statusBar;
    TickWindow& m_window;
    LocalInstanceRegistry m_instances;
    SingleWorker m_worker;
    AutomaticCorrection m_correction;
    bool m_retrieving = false;
    StatusPanels m_status;
    FunctionTick m_tick;
};

} // namespace rekko
