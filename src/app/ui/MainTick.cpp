// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the function tick: visibility, pages, the month page's today and initialisation, the
// schedule dialog and the status bar's colour.
#include "MainTick.h"

#include "MainWindow.h"

#include "schedule/ui/ScheduleDialog.h"

#include <QApplication>
#include <QThread>

namespace rekko {

MainTick::MainTick(MainWindow& window, TimerAlertPort& alert)
    : QObject(&window), m_window(window),
      m_status(*this, window.controller().clock(), window.controller().settings(), window.controller().startupFolder(),
               window.controller().programFolder()),
      m_tick({window.controller().clock(), window.dialogs(), m_instances, *this, *this, *this,
              window.controller().timer(), alert, m_correction, m_status},
             window.controller().settings()) {
    connect(window.functionTimer(), &QTimer::timeout, this, [this] { m_tick.tick(); });
}

bool MainTick::visible() const {
    // A window minimised in place of the tray is out of sight as a hidden one is.
    return m_window.isVisible() && !m_window.isMinimized();
}

ShownPage MainTick::shownPage() const {
    const QWidget* page = m_window.pages()->currentWidget();
    if (page == m_window.yearLink()->tab())
        return ShownPage::Year;
    if (page == m_window.settingsPage())
        return ShownPage::Settings;
    if (page == m_window.memoPage())
        return ShownPage::Memo;
    return ShownPage::Month;
}

void MainTick::setTickInterval(int milliseconds) {
    m_window.functionTimer()->setInterval(milliseconds);
}

void MainTick::setAutoCorrectionEnabled(bool enabled) {
    m_window.settingsPage()->setAutoCorrectionEnabled(enabled);
}

void MainTick::quitWithoutSaving() {
    m_window.quitWithoutSaving();
}

int32_t MainTick::today() const {
    return m_window.controller().today();
}

void MainTick::storeToday(int32_t day) {
    m_window.controller().setToday(day);
    m_window.monthView()->grid()->grid().setToday(day);
}

void MainTick::showThisMonth() {
    m_window.monthView()->showCurrentMonth();
}

void MainTick::redraw() {
    m_window.monthView()->grid()->RedrawCells();
}

void MainTick::refreshYearView() {
    m_window.yearLink()->refreshToday();
}

SaveReport MainTick::saveAll() {
    return m_window.sequence().saveAll();
}

Status MainTick::reinitialise() {
    // The file system gets a moment between the writes of save all and the reads of the new month window. Month
    // initialisation reads every month and the period list afresh into the lists it empties.
    QThread::sleep(1);
    return m_window.sequence().initialiseMonths();
}

bool MainTick::scheduleDialogOpen() const {
    // Known by its class, not by its caption: the timer window and the record view share that.
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && qobject_cast<const ScheduleDialog*>(widget))
            return true;
    return false;
}

void MainTick::showPanel0(const std::string& text) {
    m_window.status()->setPanel0(text);
}

void MainTick::showPanel1(const StatusLine& line) {
    m_window.status()->setPanel1(line);
}

void MainTick::setHighlighted(bool highlighted) {
    m_window.status()->setHighlighted(highlighted);
}

} // namespace rekko
