// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the maintenance window for the main window: from its menu entries, and as the text view of the start and
// stop record; the window reaches the shell through the calls the main window gives.
#pragma once

#include "SetupWindow.h"

#include "platform/Drives.h"
#include "platform/ProgramStarter.h"
#include "platform/Shortcuts.h"
#include "platform/SpecialFolders.h"
#include "platform/SpreadsheetProgram.h"

#include <QAbstractButton>
#include <QAction>
#include <QObject>
#include <QPointer>

#include <functional>

namespace rekko {

// The menu entries that open a page: バックアップ, テキスト書出, エクセルカレンダ, 記念日等一括編集, Rekko記念機能
// and the hidden Rekko記念管理, with the button that reveals it when released with Ctrl and Alt held.
struct MaintenanceMenu {
    QAction* backup = nullptr;
    QAction* textExport = nullptr;
    QAction* excel = nullptr;
    QAction* anniversaries = nullptr;
    QAction* commemoration = nullptr;
    QAction* commemorationAdmin = nullptr;
    QAbstractButton* revealsAdmin = nullptr;
};

// How the window reaches the shell (MaintenanceShell).
struct MaintenanceCalls {
    std::function<std::filesystem::path()> programFolder;
    std::function<std::string()> dataFolder;
    std::function<ShownMonth()> shownMonth;
    std::function<const MonthGrid&()> shownGrid;
    std::function<void()> saveAll;
    std::function<void()> endAfterRestore;
    std::function<std::vector<std::string>()> specialDays;
    std::function<Status(std::vector<std::string>)> replaceSpecialDays;
    std::function<void()> reloadSchedules;
    std::function<Commemoration()> commemoration;
    std::function<void(const Commemoration&)> keepCommemoration;
    std::function<bool()> retrievalRuns;
    std::function<void()> releaseHotkeys;
    std::function<bool()> otherwiseBusy;
};

class MaintenanceLink : public QObject, private MaintenanceShell {
    Q_OBJECT
public:
    MaintenanceLink(const MaintenanceMenu& menu, MaintenanceCalls calls, Dialogs& dialogs, const Clock& clock,
                    const DayRules& rules, QWidget* window);

    // Saves all, then shows the window on the page.
    void open(SetupPage page, bool exportOnly = false);

public slots:
    // Shows a text in the window's text view.
    void showText(const QString& caption, const QString& text);

private:
    std::filesystem::path programFolder() const override { return m_calls.programFolder(); }
    std::string dataFolder() const override { return m_calls.dataFolder(); }
    ShownMonth shownMonth() const override { return m_calls.shownMonth(); }
    const MonthGrid& shownGrid() const override { return m_calls.shownGrid(); }
    void saveAll() override { m_calls.saveAll(); }
    void endAfterRestore() override { m_calls.endAfterRestore(); }
    std::vector<std::string> specialDays() const override { return m_calls.specialDays(); }
    Status replaceSpecialDays(std::vector<std::string> lines) override {
        return m_calls.replaceSpecialDays(std::move(lines));
    }
    void reloadSchedules() override { m_calls.reloadSchedules(); }
    Commemoration commemoration() const override { return m_calls.commemoration(); }
    void keepCommemoration(const Commemoration& values) override { m_calls.keepCommemoration(values); }
    bool retrievalRuns() const override { return m_calls.retrievalRuns(); }
    void releaseHotkeys() override { m_calls.releaseHotkeys(); }
    bool otherwiseBusy() const override { return m_calls.otherwiseBusy(); }

    SetupWindow& setupWindow();

    MaintenanceCalls m_calls;
    Dialogs& m_dialogs;
    const Clock& m_clock;
    const DayRules& m_rules;
    QWidget* m_window;
    LinuxDrives m_drives;
    DesktopSpreadsheetProgram m_spreadsheet;
    XdgSpecialFolders m_folders;
    DesktopEntryShortcuts m_shortcuts{m_folders};
    DetachedProgramStarter m_starter;
    QPointer<SetupWindow> m_setupWindow;
};

} // namespace rekko
