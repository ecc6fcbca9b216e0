// SPDX-License-Identifier: GPL-3.0-or-later
// The page 起動方法 of the maintenance window: the program folder that is registered, the four groups of shortcuts
// with their on and off buttons, and すべて解除.
#pragma once

#include "maintenance/StartupShortcuts.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace rekko {

// One group's two buttons.
struct ShortcutButtons {
    QRadioButton* on = nullptr;
    QRadioButton* off = nullptr;
};

struct StartUpPageControls {
    QLabel* folder = nullptr;
    // Startup, Desktop, Start Menu, Programs, in the order of kShortcutFolders.
    std::array<ShortcutButtons, 4> groups{};
    QPushButton* btnAllKaijo = nullptr;
};

class StartUpPage : public QWidget {
    Q_OBJECT
public:
    StartUpPage(StartupShortcuts& shortcuts, QWidget* parent = nullptr);

    const StartUpPageControls& controls() const { return m_c; }

    // Shows for each group whether its shortcut is there.
    void showState();

private:
    void switched(size_t group, bool on);
    void show(size_t group, bool present);

    StartupShortcuts& m_shortcuts;
    StartUpPageControls m_c;
    bool m_showing = false; // the buttons are being set by the page, not by the user
};

} // namespace rekko
