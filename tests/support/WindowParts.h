// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the main window a test reaches, found among its children by type (or by name where a type repeats),
// as the user finds them on screen: the window itself offers no accessors into its parts.
#pragma once

#include "app/ui/MainWindow.h"

#include <QTabWidget>
#include <QTimer>

namespace rekko::test {

struct WindowParts {
    QTabWidget* pages;
    MonthPage* monthPage;
    MonthView* monthView;
    SettingsPage* settingsPage;
    YearPageLink* yearLink;
    MemoPage* memoPage;
    MainMenu* menus;
    MainStatusBar* status;
    QTimer* functionTimer;
    MainTick* tick;
    Residency* residency;
    TimerWindowHost* timerHost;

    // The year page, made when it does not exist yet.
    YearPage* yearPage() const { return yearLink->page(); }
};

inline WindowParts PartsOf(const MainWindow& window) {
    return {window.findChild<QTabWidget*>("PageControl1"),
            window.findChild<MonthPage*>(),
            window.findChild<MonthView*>(),
            window.findChild<SettingsPage*>(),
            window.findChild<YearPageLink*>(),
            window.findChild<MemoPage*>(),
            window.findChild<MainMenu*>(),
            window.findChild<MainStatusBar*>(),
            window.findChild<QTimer*>("tmKinou"),
            window.findChild<MainTick*>(),
            window.findChild<Residency*>(),
            window.findChild<TimerWindowHost*>()};
}

} // namespace rekko::test
