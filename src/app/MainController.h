// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's state and rules that need no widgets: start-up values, the settings file, activation, close.
#pragma once

#include "Settings.h"
#include "StatusText.h"
#include "UnsavedRescue.h"
#include "maintenance/Commemoration.h"

#include "book/ScheduleBook.h"
#include "files/UserFiles.h"
#include "platform/Clock.h"
#include "platform/ClockSetter.h"
#include "platform/Dialogs.h"
#include "timer/CountdownTimer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

// Returns what is said of a data folder (empty: the current directory) that another process holds: the folder as
// a full path, then "は他の Rekko が使用中です。".
std::string DataFolderBusyText(const std::string& dataFolder);
// Returns the notice about a data folder that cannot be locked (its file system refuses locks): the folder, the
// cause, and that the program goes on without the lock.
std::string DataFolderLockRefusedMessage(const std::string& dataFolder, const std::string& cause);

// What an activation of the main window asks of the widgets.
struct Activation {
    bool showCurrentMonth = false;              // select tab 1, show the current month, focus the grid
    std::optional<std::string> deferredMessage; // shown once, now
};

class MainController {
public:
    // rescueFolder holds the copies of what an end without questions could not save ("<user data>/rescue").
    // clockSetter sets the computer's clock for the clock correction.
    MainController(std::filesystem::path programFolder, std::filesystem::path startupFolder, Clock& clock,
                   ClockSetter& clockSetter, Dialogs& dialogs, std::filesystem::path rescueFolder);

    const Clock& clock() const { return m_clock; }
    ClockSetter& clockSetter() { return m_clockSetter; }
    Settings& settings() { return m_settings.edit(); }
    const Settings& settings() const { return m_settings.values(); }
    // The keys of the settings file: a change set through it is told to those watching the key.
    SettingsKeys& settingsTable() { return m_settings; }
    const Commemoration& commemoration() const { return m_commemoration; }
    // The user's schedule, which the pages read and the stores load and save.
    ScheduleBook& book() { return m_book; }

    // Looks for Zunbo (only when asked, as cbZunbo says) and always for Pomta, in the program folder and then the
    // Programs folder.
    void locateSiblings(bool lookForZunbo, const std::filesystem::path& programsFolder);
    const std::optional<std::filesystem::path>& zunbo() const { return m_zunbo; }
    const std::optional<std::filesystem::path>& pomta() const { return m_pomta; }

    // Takes today from the clock, clears the data folder and reads the "/J" countdown from the arguments.
    void beginStart(const std::vector<std::string>& arguments);

    // Takes today from the clock again (month initialisation).
    void takeToday();
    // Stores a new today (the date rollover).
    void setToday(int32_t day) { m_today = day; }

    // Reads the settings file into the settings; the data folder is taken from it at the first read only, with a
    // trailing "/". A missing file leaves every default. When the file exists but cannot be read, or its edFolder
    // cannot become a path, the user is asked whether to go on with the defaults, once: Yes holds every write back
    // until a data folder is chosen, No answers false (startDeclined).
    bool readSettings();
    bool startDeclined() const { return m_startDeclined; }
    // Keeps the data folder of the settings as the data folder at start, which a change on the settings page is
    // compared with.
    void keepDataFolderAtStart() { m_dataFolderAtStart = settings().edFolder; }

    // Writes the settings file with the countdown timer's time and notice minutes (read again first, so that what
    // other windows wrote meanwhile survives; not while writes are held).
    Status writeSettingsFile();

    // Answers whether the data files are left alone: the settings file could not be read at start and no data folder
    // was chosen since (then the settings file is left alone too; dataFolderChosen ends it), or another process
    // holds the data folder.
    bool writesHeld() const { return m_writesHeld || m_dataFolderBusy; }
    void dataFolderChosen() { m_writesHeld = false; }
    // Answers whether the files of the current directory are left alone (MonthShell::workingFolderHeld).
    bool workingFolderHeld() const { return m_writesHeld || (m_dataFolderBusy && m_dataFolderIsWorking); }
    // Returns why the data files are left alone.
    std::string writesHeldCause() const;
    // Notes whether another process holds the data folder, and whether that folder is the current directory.
    void setDataFolderBusy(bool busy, bool isWorkingFolder);

    // Loads "Cmr.myc" when it exists; otherwise the defaults stay.
    void loadCommemoration();
    // Keeps changed commemoration settings and writes them to "Cmr.myc"; a file that could not be read is never
    // written. Answers the failure.
    Status keepCommemoration(const Commemoration& values);

    // Clamps the values checked at start and gives the countdown timer its stored time and notice minutes.
    void finishStart();

    // Removes the temporaries that interrupted writes left beside the files the program writes: in the program
    // folder, the data folder, the current directory and the folders their symbolic links lead to.
    void removeStaleTemporaries();

    // Rescues what an end without questions could not save, and announces it at the next start.
    UnsavedRescue& rescue() { return m_rescue; }

    // Answers whether closing must be refused now, after showing why: a time retrieval or a date change runs.
    bool refuseClose(bool retrievalRunning, bool dateChangeRunning);

    // Decides what an activation does; keepLastDisplay is cbZenkai's state. The first activation always shows the
    // current month, a return from elsewhere (below) does unless keepLastDisplay; the deferred message comes out
    // once.
    Activation activate(bool keepLastDisplay);
    // Answers whether showing or activating the window now returns to the current month (month page, tab 1).
    bool returnsToCurrentMonth(bool keepLastDisplay) const {
        return m_firstActivation || (m_returnedFromElsewhere && !keepLastDisplay);
    }
    // Notes that no window of the program has the focus any more (another application took it, or the window was
    // hidden or iconified): the next activation is a return from elsewhere.
    void noteFocusLeftProgram() { m_returnedFromElsewhere = true; }
    // Notes that the focus came back on one of the program's dialogs: that return is used up, so the main window
    // keeps its month when the dialog closes.
    void noteFocusOnDialog() { m_returnedFromElsewhere = false; }
    void setDeferredMessage(std::string text) { m_deferredMessage = std::move(text); }

    int32_t today() const { return m_today; }
    const std::string& dataFolder() const { return m_dataFolder; }
    const std::string& dataFolderAtStart() const { return m_dataFolderAtStart; }
    const std::filesystem::path& programFolder() const { return m_programFolder; }
    const std::filesystem::path& startupFolder() const { return m_startupFolder; }
    FileSet files() const { return BuildFileSet(m_programFolder, m_dataFolder); }

    // The seconds of the "/J" countdown the command line asked for (0 for none).
    int residentCountdown() const { return m_residentCountdown; }
    // The countdown timer (its armed flag is not stored).
    CountdownTimer& timer() { return m_timer; }

private:
    std::filesystem::path m_programFolder;
    std::filesystem::path m_startupFolder;
    Clock& m_clock;
    ClockSetter& m_clockSetter;
    Dialogs& m_dialogs;
    SettingsKeys m_settings = MakeSettingsTable();
    Commemoration m_commemoration;
    ScheduleBook m_book;
    UnsavedRescue m_rescue;
    std::optional<std::filesystem::path> m_zunbo;
    std::optional<std::filesystem::path> m_pomta;
    int32_t m_today = 0;
    std::string m_dataFolder;
    std::string m_dataFolderAtStart;
    bool m_settingsUnreadable = false;
    bool m_settingsDoubted = false;
    bool m_writesHeld = false;
    bool m_dataFolderBusy = false;
    bool m_dataFolderIsWorking = false;
    bool m_startDeclined = false;
    int m_residentCountdown = 0;
    CountdownTimer m_timer;
    bool m_timerTaken = false;
    bool m_firstActivation = true;
    bool m_returnedFromElsewhere = false;
    std::optional<std::string> m_deferredMessage;
};

} // namespace rekko
