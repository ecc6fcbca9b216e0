// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of going resident and of restoring the main window.
#include "Residency.h"

#include "MainWindow.h"

#include "app/Hotkeys.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>

namespace rekko {

namespace {

// The icon of the tray: the character for calendar on a red square.
QIcon TrayIconPicture() {
    QPixmap picture(32, 32);
    picture.fill(QColor(0xC0, 0x20, 0x20));
    QPainter painter(&picture);
    QFont font = QApplication::font();
    font.setPixelSize(24);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("暦"));
    return QIcon(picture);
}

} // namespace

Residency::Residency(MainWindow& window)
    : QObject(&window), m_window(window), m_tray(window, TrayIconPicture(), *this) {}

bool Residency::inSight() const {
    return m_window.isVisible() && !m_window.isMinimized();
}

void Residency::goResident() {
    if (auto* move = m_window.menuBar()->findChild<QMenu*>("mnIdou"))
        move->menuAction()->setEnabled(true);
    QTabWidget* pages = m_window.pages();
    if (pages->currentWidget() == m_window.settingsPage())
        pages->setTabVisible(pages->indexOf(m_window.settingsPage()), false);
    m_window.monthView()->grid()->ResetSelection();
    // Resident is where the program is usually ended by the system, so everything is saved first; what fails is
    // reported and the window goes out of sight all the same.
    m_window.monthView()->stores().removeStaleCopies();
    if (m_tray.hideWindow() == ResidentMode::Minimised && !m_minimisedNoticeShown) {
        m_minimisedNoticeShown = true;
        m_window.status()->setPanel1({kMinimisedNotice, false});
    }
}

void Residency::restore() {
    if (!inSight()) {
        if (m_window.pages()->currentWidget() == m_window.memoPage())
            m_window.pages()->setCurrentWidget(m_window.monthPage());
        m_tray.restoreWindow();
        return;
    }
    // In sight: an open dialog of the program comes to the front, or else the main window.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = &m_window;
    front->raise();
    front->activateWindow();
}

void Residency::residentHotkey() {
    const auto move = ResidentHotkeyMove(m_window.controller().settings().cbHotkey, inSight(),
                                         QApplication::activeWindow() != nullptr);
    if (move == ResidencyMove::GoResident)
        goResident();
    else if (move == ResidencyMove::Restore)
        restore();
}

void Residency::trayExit() {
    m_window.close();
}

} // namespace rekko
