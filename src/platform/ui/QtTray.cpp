// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon on QSystemTrayIcon; minimising instead where the desktop has no tray.
#include "QtTray.h"

#include <QWidget>

namespace rekko {

QtTray::QtTray(QWidget& window, const QIcon& icon, TrayListener& listener)
    : m_window(window), m_listener(listener), m_picture(icon) {
    m_menu.setObjectName("iconMenu");
    connect(m_menu.addAction(QStringLiteral("Rekko終了(&X)")), &QAction::triggered, this,
            [this] { m_listener.trayExit(); });
    // "キャンセル" only closes the menu, which choosing any entry does.
    m_menu.addAction(QStringLiteral("キャンセル(&C)"));
    connect(m_menu.addAction(QStringLiteral("常駐(&J)")), &QAction::triggered, this,
            [this] { m_listener.trayGoResident(); });
    connect(m_menu.addAction(QStringLiteral("開く(&O)")), &QAction::triggered, this,
            [this] { m_listener.trayRestore(); });
}

void QtTray::setUp() {
    if (m_icon)
        return;
    m_icon = std::make_unique<QSystemTrayIcon>(m_picture);
    m_icon->setObjectName("TrayIcon1");
    m_icon->setToolTip(m_window.windowTitle());
    m_icon->setContextMenu(&m_menu);
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            m_listener.trayRestore();
    });
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->show();
}

QSystemTrayIcon& QtTray::icon() {
    setUp();
    return *m_icon;
}

ResidentMode QtTray::hideWindow() {
    setUp();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_icon->show();
        m_window.hide();
        return ResidentMode::Hidden;
    }
    // The window manager iconifies the window (WM_STATE Iconic); the task bar or the hotkey brings it back.
    m_window.showMinimized();
    return ResidentMode::Minimised;
}

void QtTray::restoreWindow() {
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

} // namespace rekko
