// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the function tick: its timer, the schedule dialog and the status bar.
#include "MainTick.h"

#include "MainStatusBar.h"

#include "app/MainController.h"
#include "clocksync/ui/JikokuWindow.h"
#include "platform/ui/QtInterfaceThread.h"
#include "schedule/ui/ScheduleDialog.h"

#include <QApplication>

namespace rekko {

MainTick::MainTick(QObject* parent, const MainTickParts& parts)
    : QObject(parent), m_statusBar(parts.status), m_window(parts.window),
      m_worker(std::make_shared<QtInterfaceThread>()),
      m_correction({m_worker, parts.controller.clock(), parts.controller.clockSetter(), *this, &JikokuWindow::isOpen},
                   parts.controller.settings(), parts.controller.files().settings, parts.controller.files().clockLog),
      m_status(*this, parts.controller.clock(), parts.controller.settings(), parts.controller.startupFolder(),
               parts.controller.programFolder()),
      m_tick({parts.controller.clock(), parts.dialogs, m_instances, parts.window, parts.months, *this,
              parts.controller.timer(), parts.alert, *this, m_status},
             parts.controller.settings()) {
    connect(&parts.timer, &QTimer::timeout, this, [this] { m_tick.tick(); });
}

bool MainTick::scheduleDialogOpen() const {
    // Known by its class, not by its caption: the timer window and the record view share that.
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && qobject_cast<const ScheduleDialog*>(widget))
            return true;
    return false;
}

bool MainTick::checkSchedule(LocalDateTime now, int ticksSinceStart) {
    return m_correction.checkSchedule(now, ticksSinceStart);
}

void MainTick::showRetrieval(bool running) {
    m_retrieving = running;
    m_status.refreshPanel0(running);
    m_window.showRetrieval(running);
}

void MainTick::showPanel0(const std::string& text) {
    m_statusBar.setPanel0(text);
}

void MainTick::showPanel1(const StatusLine& line) {
    m_statusBar.setPanel1(line);
}

void MainTick::setHighlighted(bool highlighted) {
    m_statusBar.setHighlighted(highlighted);
}

} // namespace rekko
