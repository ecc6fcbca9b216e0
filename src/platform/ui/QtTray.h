// SPDX-License-Identifier: GPL-3.0-or-later
// The notification-area icon TrayIcon1 with its menu iconMenu, and the main window's way out of sight and back.
#pragma once

#include "platform/Tray.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace rekko {

class QtTray : public QObject, public Tray {
    Q_OBJECT
public:
    // The icon is shown at once when the desktop has a tray, and later at the first going resident that finds one.
    QtTray(QWidget& window, const QIcon& icon, TrayListener& listener);

    ResidentMode hideWindow() override;
    void restoreWindow() override;

    QSystemTrayIcon& icon() { return m_icon; }
    QMenu& menu() { return m_menu; }

private:
    QWidget& m_window;
    TrayListener& m_listener;
    QMenu m_menu;
    QSystemTrayIcon m_icon;
};

} // namespace rekko
