// SPDX-License-Identifier: GPL-3.0-or-later
// The function tick tmKinou and the status panels joined to the main window: what the tick asks of the window, the
// month page, the open dialogs and the status bar.
#pragma once

#include "app/FunctionTick.h"
#include "app/StatusPanels.h"
#include "platform/ui/LocalInstance.h"

#include <QObject>

namespace rekko {

class MainWindow;

class MainTick : public QObject, private TickWindow, private TickMonths, private DialogState, private StatusBar {
    Q_OBJECT
public:
    // alert opens the timer window when the countdown timer comes due.
    MainTick(MainWindow& window, TimerAlertPort& alert);

    FunctionTick& tick() { return m_tick; }
    StatusPanels& status() { return m_status; }
    bool retrievalRunning() const { return m_correction.retrievalRunning(); }
    // Shows panel 0 now (activation, start).
    void refreshClock() { m_status.refreshPanel0(m_correction.retrievalRunning()); }

private:
    bool visible() const override;
    ShownPage shownPage() const override;
    void setTickInterval(int milliseconds) override;
    void setAutoCorrectionEnabled(bool enabled) override;
    void quitWithoutSaving() override;

    int32_t today() const override;
    void storeToday(int32_t day) override;
    void showThisMonth() override;
    void redraw() override;
    void refreshYearView() override;
    SaveReport saveAll() override;
    Status reinitialise() override;

    bool scheduleDialogOpen() const override;

    void showPanel0(const std::string& text) override;
    void showPanel1(const StatusLine& line) override;
    void setHighlighted(bool highlighted) override;

    MainWindow& m_window;
    LocalInstanceRegistry m_instances;
    NoClockCorrection m_correction;
    StatusPanels m_status;
    FunctionTick m_tick;
};

} // namespace rekko
