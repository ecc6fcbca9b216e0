// SPDX-License-Identifier: GPL-3.0-or-later
// Going resident and coming back: the tray icon and its menu, the "/J" countdown, Ctrl+F12 and a second start.
#pragma once

#include "platform/ui/QtTray.h"

#include <QObject>

namespace rekko {

class MainWindow;

// Shown in status panel 1 the first time the window is minimised because the desktop has no tray.
inline constexpr const char* kMinimisedNotice = "通知領域がないため、常駐の代わりに最小化しました。";

class Residency : public QObject, private TrayListener {
    Q_OBJECT
public:
    explicit Residency(MainWindow& window);

    // Saves everything (the stale period copies go too), then takes the window out of sight: behind the tray icon,
    // or minimised where the desktop has no tray.
    void goResident();
    // Shows the window again, or brings its open dialog to the front when it is in sight.
    void restore();
    // Ctrl+F12: restores or goes resident as the window's state says (nothing while cbHotkey is off).
    void residentHotkey();

    QtTray& tray() { return m_tray; }

private:
    bool inSight() const;
    void trayRestore() override { restore(); }
    void trayGoResident() override { goResident(); }
    void trayExit() override;

    MainWindow& m_window;
    QtTray m_tray;
    bool m_minimisedNoticeShown = false;
};

} // namespace rekko
