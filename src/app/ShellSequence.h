// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's steps in the order they run: the creation sequence of the main window, month initialisation, save all
// and the orderly end. A step of a part still to come calls that part's port.
#pragma once

#include "MainController.h"
#include "ShellPorts.h"
#include "TickPorts.h"
#include "month/MonthPorts.h"
#include "month/ScheduleStores.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

inline constexpr const char* kMonthInitFailedMessage =
    "月の初期設定に失敗しました。\r\n一旦、終了させますので\r\nもう一度、立ち上げ直してください。";

// Returns the month-initialisation message with the file and the cause of the failure on its second line.
std::string MonthInitFailedMessage(const Failure& failure);

// What the sequences ask of the main window's widgets.
class ShellWindow {
public:
    virtual ~ShellWindow() = default;

    // Answers whether cbZunbo asks for the diary program to be looked for.
    virtual bool zunboWanted() const = 0;
    // Shows what the sibling lookup and the feature switches offer: buttons made inert, controls hidden.
    virtual void offerFeatures() = 0;
    // Sets the interval of the function tick tmKinou and runs it.
    virtual void runFunctionTick(int milliseconds) = 0;
    // Copies what only the window knows (its place) into the settings, before the file is read and before it is
    // written.
    virtual void collectWindowState(Settings& settings) = 0;
    // Shows the settings just read on the settings page.
    virtual void showSettings() = 0;
    // The shell's part at the end of month initialisation: the data folder at start and the program folder on the
    // settings page, the settings tab hidden, the status bar.
    virtual void showStartState() = 0;
    // Shows or hides the commemoration panel as its settings say.
    virtual void showCommemoration(const Commemoration& commemoration) = 0;
    // Gives btnM8 to the editor Pomta and hides the memo tab (useEditor), or makes btnM8 inert.
    virtual void offerEditor(bool useEditor) = 0;
    // Sizes the window for its calendar and places it and the schedule dialog.
    virtual void place() = 0;
    // Tells the user that a save merged files with what changed on disk, and what it did.
    virtual void tellMerged(const std::string& message) = 0;
};

class ShellSequence : public MonthShell, public TickMonths {
public:
    ShellSequence(MainController& controller, Dialogs& dialogs, ShellWindow& window, ShellPorts ports);

    // Joins the month page: its stores and its display take part in month initialisation and save all. Every
    // sequence below needs it.
    void attachMonthPage(ScheduleStores& stores, MonthDisplay& display);
    // Joins the year and memo pages: the year takes part in month initialisation and the last creation step, the
    // memo in month initialisation, the creation sequence and save all. Every sequence below needs them.
    void attachPages(YearCalendars& year, StoredMemo& memo);

    // Runs the creation sequence of the main window; programsFolder is where siblings may be installed. Answers
    // false when month initialisation failed: its message has been shown and the program must end.
    bool start(const std::vector<std::string>& arguments, const std::filesystem::path& programsFolder);

    // Runs month initialisation (at start, and when the date rolls into a new month): today, the month window, the
    // settings file, the lock of the data folder when it is new, the months, the period file and the memo, then the
    // final steps, which run in every case. Answers the first failure (an exception's text as its cause), or a
    // reported failure when the settings file exists but cannot be read and the user chose not to go on with the
    // defaults.
    Status initialiseMonths();

    // Writes the memo, then the settings file, the jumped month when it was edited, months 0 to 4 and the period
    // file. Nothing that fails stops the rest. Files merged with what changed on disk are told to the window, with
    // what the disk held and was not merged from kept in the rescue folder.
    SaveReport saveAll() override;

    // Appends the stop line to the record while cbKidouKiroku is on; answers what could not be written.
    SaveReport recordStop();

    // Runs the orderly end: the stop record while cbKidouKiroku is on, then save all. A stop record that could not
    // be written is reported with what save all could not write.
    SaveReport shutDown();

    // Follows cbKidouKiroku switched by the user: off appends a stop line to the record, on makes a missing record.
    // A failure is shown as a failed save is.
    void switchStartRecord(bool on);

    // Releases the hotkeys when the main window goes away.
    void releaseHotkeys() { m_ports.hotkeys.releaseKeys(); }

    int32_t today() const override { return m_controller.today(); }
    void storeToday(int32_t day) override;
    void showThisMonth() override { m_display->showThisMonth(); }
    void redraw() override { m_display->redraw(); }
    void refreshYearView() override { m_year->refreshToday(); }
    Status reinitialise() override;
    const std::string& dataFolder() const override { return m_controller.dataFolder(); }
    bool writesHeld() const override { return m_controller.writesHeld(); }
    bool workingFolderHeld() const override { return m_controller.workingFolderHeld(); }
    std::string writesHeldCause() const override { return m_controller.writesHeldCause(); }

private:
    void recordStart();
    // Takes the lock of the data folder when it is not the one locked already. A folder another process holds is
    // announced and its files are left alone; a file system that refuses locks is announced, and the start goes on.
    void claimDataFolder();

    MainController& m_controller;
    Dialogs& m_dialogs;
    ShellWindow& m_window;
    ShellPorts m_ports;
    ScheduleStores* m_stores = nullptr;
    MonthDisplay* m_display = nullptr;
    YearCalendars* m_year = nullptr;
    StoredMemo* m_memo = nullptr;
    std::optional<std::string> m_claimedFolder;
};

} // namespace rekko
