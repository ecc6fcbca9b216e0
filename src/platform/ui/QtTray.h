// SPDX-License-Identifier: GPL-3.0-or-later
// The notification-area icon TrayIcon1 with its menu iconMenu, and the main window's way out of sight and back.
#pragma once

#include "platform/Tray.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

namespace rekko {

class QtTray : public QObject, public Tray {
    Q_OBJECT
public:
    // The icon is made by setUp, or at the first going resident.
    QtTray(QWidget& window, const QIcon& icon, TrayListener& listener);

    // Makes the icon and shows it when the desktop has a tray; otherwise it shows at the first going resident that
    // finds one. Asking for the tray may start a message-bus connection, so the window calls this after its first
    // paint.
    void setUp();

    ResidentMode hideWindow() override;
    void restoreWindow() override;

    QSystemTrayIcon& icon();
    QMenu& menu() { return m_menu; }

private:
    QWidget& m_window;
    TrayListener& m_listener;
    QIcon m_picture;
    QMenu m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace rekko
