// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's hotkey port on the desktop's global hotkeys: Ctrl+F12 and Ctrl+F11 taken at start and given back at
// the end, their presses passed on as a signal.
#pragma once

#include "app/MainController.h"
#include "app/ShellPorts.h"
#include "platform/GlobalHotkeys.h"

#include <QObject>

#include <memory>

namespace rekko {

class MainHotkeys : public QObject, public ShellHotkeys, private HotkeyListener {
    Q_OBJECT
public:
    // Made after the application object (the X11 keys need its connection) and destroyed before it.
    MainHotkeys(const MainController& controller, Dialogs& dialogs);
    ~MainHotkeys() override;

    void registerKeys() override;
    void releaseKeys() override;

signals:
    // A hotkey taken under this id was pressed.
    void pressed(int id);

private:
    void hotkeyPressed(int id) override { emit pressed(id); }

    const MainController& m_controller;
    Dialogs& m_dialogs;
    std::unique_ptr<GlobalHotkeys> m_keys;
};

} // namespace rekko
