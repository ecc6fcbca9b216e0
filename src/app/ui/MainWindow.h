// SPDX-License-Identifier: GPL-3.0-or-later
// The main window fmC21: pages, menus and status bar wired to the shell, activation and shutdown.
#pragma once

#include "MainMenu.h"
#include "MainStatusBar.h"
#include "MainTick.h"
#include "MemoPageLink.h"
#include "Residency.h"
#include "SettingsPage.h"
#include "SiblingPrograms.h"
#include "YearPageLink.h"
#include "maintenance/ui/MaintenanceLink.h"
#include "month/ui/MonthPage.h"
#include "month/ui/MonthView.h"

#include "app/DataFolderChange.h"
#include "app/MainController.h"
#include "app/ShellSequence.h"
#include "platform/Dialogs.h"
#include "sync/SyncPorts.h"
#include "sync/ui/SyncLink.h"
#include "timer/ui/TimerWindowHost.h"

#include <QMainWindow>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <string>
#include <vector>

namespace rekko {

class MainWindow : public QMainWindow, private ShellWindow, private TickWindow, private ResidentWindow {
    Q_OBJECT
public:
    // unattended switches the message boxes off while the system ends the program (QtDialogs::setUnattended); the
    // ports reach the parts of the shell that are still to come; sync joins the secret store and the CalDAV sync.
    MainWindow(MainController& controller, Dialogs& dialogs, std::function<void(bool)> unattended = {},
               ShellPorts ports = NullShellPorts(), SyncPorts sync = NoSyncPorts(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the creation sequence after the widgets exist; programsFolder is where siblings may be installed.
    // Answers false when month initialisation failed: its message has been shown and the program must end.
    bool start(const std::vector<std::string>& arguments, const std::filesystem::path& programsFolder);

    // Save all and month initialisation, as the shell runs them (ShellSequence).
    SaveReport saveAll() { return m_sequence.saveAll(); }
    Status initialiseMonths() { return m_sequence.initialiseMonths(); }

    // Ends the program without the stop record and without saving (a failed month initialisation at the date
    // rollover: the lists hold nothing that may be written over the files).
    void quitWithoutSaving() override;

public slots:
    // Answers a second start: shows the window, raises and activates it.
    void wakeUp();
    // Ends the program in order because the system asked (SIGTERM, SIGHUP): stop record and save all, no questions.
    // What could not be saved is reported on standard error and rescued, and the program ends with status 1.
    void closeBySystem();
    // An exception reached the event loop: shows its text, then ends as closeBySystem does, with status 1. Further
    // errors while the end runs only go to standard error.
    void endAfterError(const QString& what);
    // Shows the settings page (btnM3), made the first time it is opened.
    void openSettings();
    // A global hotkey: Ctrl+F12 goes resident or restores, Ctrl+F11 starts the editor.
    void hotkeyPressed(int id);

signals:
    // An activation returns to the current month: select tab 1, show that slot and focus the grid.
    void currentMonthRequested();
    // An activation while the memo page shows: the memo takes the focus.
    void memoFocusRequested();
    // Going resident was asked for: the "/J" countdown reached 0, or 常駐 on the memo page.
    void residentRequested();
    // The window has been painted for the first time.
    void firstPainted();
    // The program is over: every close that is not refused ends it, wherever it came from (the close box, 終了,
    // the tray while resident, the system), with exitCode.
    void ended(int exitCode);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The main window's steps of the shell's sequences.
    bool zunboWanted() const override;
    void offerFeatures() override;
    void runFunctionTick(int milliseconds) override;
    void collectWindowState(Settings& settings) override;
    void showSettings() override;
    void showStartState() override;
    void showCommemoration(const Commemoration& commemoration) override;
    void offerEditor(bool useEditor) override;
    void place() override;
    void tellMerged(const std::string& message) override;

    bool visible() const override;
    ShownPage shownPage() const override;
    void setTickInterval(int milliseconds) override;
    void setAutoCorrectionEnabled(bool enabled) override;
    void showRetrieval(bool running) override;

    void leaveForResidence() override;
    void returnFromResidence() override;
    void showNotice(const std::string& text) override;

    void buildPages(SyncPorts sync);
    void wireResidency();
    void wireCommands();
    void wireYearAndMemo();
    // The widgets that show what a key switches follow its value.
    void followSettings();
    void followDisplay();
    // Shows the memo or a shipped text on the memo page and turns to it; nothing while the memo tab is hidden.
    void showMemoView(MemoView view);
    bool isAltM(QEvent* event) const;
    void fitToCalendar();
    void placeWindows();
    void refreshStatus();
    void countDown();
    // Stops the "/J" countdown at once, without going resident.
    void cancelCountdown();
    void watchFocusReturns();
    void finishShutdown();
    // The orderly end: stop record and save all; what fails is rescued when nobody is asked, or else the user
    // decides. Answers false when the user keeps the window; otherwise the program has ended.
    bool endInOrder();
    // Saves all and shows what failed; answers whether everything was written.
    bool saveAllTellingFailures();
    // Opens the clock-correction settings window, or says to try later while a time retrieval runs.
    void openClockCorrection();

    MainController& m_controller;
    Dialogs& m_dialogs;
    std::function<void(bool)> m_unattended;
    ShellSequence m_sequence;
    DataFolderChange m_dataFolderChange;
    QTabWidget* m_pages = nullptr;
    MonthPage* m_month = nullptr;
    MonthView* m_monthView = nullptr;
    YearPageLink* m_yearLink = nullptr;
    SettingsPage* m_settings = nullptr;
    MemoPageLink* m_memoLink = nullptr;
    MemoPage* m_memo = nullptr;
    bool m_editorTookMemo = false;
    MainMenu* m_menu = nullptr;
    MainStatusBar* m_status = nullptr;
    QTimer* m_functionTimer = nullptr;
    QTimer* m_residentTimer = nullptr;
    TimerWindowHost* m_timerHost = nullptr;
    MainTick* m_tick = nullptr;
    Residency* m_residency = nullptr;
    SiblingPrograms* m_siblings = nullptr;
    MaintenanceLink* m_maintenance = nullptr;
    SyncLink* m_sync = nullptr;
    bool m_settingsRead = false;
    bool m_painted = false;
    bool m_systemClosing = false;
    bool m_failed = false;
    bool m_saving = false;
    int m_exitCode = 0;
    SaveReport m_unwrittenEdit; // what the schedule dialog held when the system ended the program
    QPointer<QWindow> m_lastFocusWindow;
};

} // namespace rekko
