// SPDX-License-Identifier: GPL-3.0-or-later
// Going resident and coming back: the tray icon and its menu, the "/J" countdown, Ctrl+F12 and a second start.
#pragma once

#include "platform/ui/QtTray.h"

#include <QObject>

#include <string>

namespace rekko {

struct Settings;

// What going resident and coming back do to the main window's pages.
class ResidentWindow {
public:
    virtual ~ResidentWindow() = default;

    // Before the window goes out of sight: the move menu usable, the settings tab hidden when shown, the grid's
    // selection cleared, the period-file copies past their time removed.
    virtual void leaveForResidence() = 0;
    // Before the window comes back out of the tray: the month page in place of the memo page.
    virtual void returnFromResidence() = 0;
    // Shows a notice in status panel 1.
    virtual void showNotice(const std::string& text) = 0;
};

// Shown in status panel 1 the first time the window is minimised because the desktop has no tray.
inline constexpr const char* kMinimisedNotice = "通知領域がないため、常駐の代わりに最小化しました。";

class Residency : public QObject, private TrayListener {
    Q_OBJECT
public:
    // window is the main window; settings are read for cbHotkey.
    Residency(QWidget& window, ResidentWindow& pages, const Settings& settings);

    // Sets the tray icon up once the event loop is free (after the window's first paint).
    void setUpTray();
    // Leaves the pages as residence wants them, then takes the window out of sight: behind the tray icon, or
    // minimised where the desktop has no tray.
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

    QWidget& m_window;
    ResidentWindow& m_pages;
    const Settings& m_settings;
    QtTray m_tray;
    bool m_minimisedNoticeShown = false;
};

} // namespace rekko
