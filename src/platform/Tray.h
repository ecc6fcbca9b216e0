// SPDX-License-Identifier: GPL-3.0-or-later
// The notification-area port: the icon with its menu, and taking the main window out of sight and back.
#pragma once

namespace rekko {

// How the window went out of sight: hidden behind the tray icon, or minimised where the desktop has no tray.
enum class ResidentMode { Hidden, Minimised };

// Receives the icon's commands: a left click or "開く(&O)" restores, "常駐(&J)" goes resident, "Rekko終了(&X)" ends
// the program.
class TrayListener {
public:
    virtual ~TrayListener() = default;
    virtual void trayRestore() = 0;
    virtual void trayGoResident() = 0;
    virtual void trayExit() = 0;
};

class Tray {
public:
    virtual ~Tray() = default;

    // Takes the main window out of sight. Decided each time, as a panel may start after this program: behind the
    // icon when the desktop has a tray now, otherwise minimised, so the window can always be brought back.
    virtual ResidentMode hideWindow() = 0;
    // Shows the main window again from either state, raised and active.
    virtual void restoreWindow() = 0;
};

} // namespace rekko
