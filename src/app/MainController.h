// The main window's rules that need no widgets: start-up state, month initialisation, save all, activation, close.
#pragma once

#include "AppFolders.h"
#include "Commemoration.h"
#include "SaveReport.h"
#include "Settings.h"
#include "ShellSeams.h"
#include "StatusText.h"
#include "UnsavedRescue.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace rekko {

inline constexpr const char* kMonthInitFailedMessage =
    "月の初期設定に失敗しました。\r\n一旦、終了させますので\r\nもう一度、立ち上げ直してください。";

// Why an edited file was not written while writes are held (MainController::writesHeld).
inline constexpr const char* kWritesHeldCause =
    "設定ファイルを読み込めないため、データフォルダを選ぶまで保存しません。";

// Returns the month-initialisation message with the file and the cause of the failure on its second line.
std::string MonthInitFailedMessage(const Failure& failure);

// What an activation of the main window asks of the widgets.
struct Activation {
    bool showCurrentMonth = false;              // select tab 1, show the current month, focus the grid
    std::optional<std::string> deferredMessage; // shown once, now
};

class MainController {
public:
    // rescueFolder holds the copies of what an end without questions could not save ("<user data>/rescue").
    MainController(std::filesystem::path programFolder, std::filesystem::path startupFolder, Clock& clock,
                   Dialogs& dialogs, std::filesystem::path rescueFolder);

    ShellSeams& seams() { return m_seams; }
    const Clock& clock() const { return m_clock; }
    Settings& settings() { return m_settings; }
    const Commemoration& commemoration() const { return m_commemoration; }

    // Looks for Zunbo (only when asked, as cbZunbo says) and always for Pomta, in the program folder and then the
    // Programs folder.
    void locateSiblings(bool lookForZunbo, const std::filesystem::path& programsFolder);
    const std::optional<std::filesystem::path>& zunbo() const { return m_zunbo; }
    const std::optional<std::filesystem::path>& pomta() const { return m_pomta; }

    // Takes today from the clock, clears the data folder and reads the "/J" countdown from the arguments.
    void beginStart(const std::vector<std::string>& arguments);

    // Runs month initialisation: today, the steps before the settings, the settings file, the steps after them, the
    // data folder at start, the final steps. Answers the first failure of a step (an exception's text as its cause),
    // or a reported failure when the settings file exists but cannot be read and the user chose not to go on with the
    // defaults (startDeclined).
    Status initialiseMonths();
    bool startDeclined() const { return m_startDeclined; }

    // Answers whether the data files and the settings file are left alone: the settings file could not be read at
    // start and no data folder was chosen since; dataFolderChosen ends it.
    bool writesHeld() const { return m_writesHeld; }
    void dataFolderChosen() { m_writesHeld = false; }

    // Loads "Cmr.myc" when it exists; otherwise the defaults stay.
    void loadCommemoration();

    // Appends the start record while cbKidouKiroku is on; a failure shows its message and start-up goes on.
    void recordStart();

    // Registers the hotkeys while cbHotkey is on.
    void registerHotkeys();

    // Clamps the values checked at start and sets the warm-up counter of the function tick.
    void finishStart();

    // Writes the settings file (read again first, so that what other windows wrote meanwhile survives; not while
    // writes are held), then every save-all participant in order. Nothing that fails stops the rest.
    SaveReport saveAll();

    // Removes the temporaries that interrupted writes left beside the files the program writes: in the program
    // folder, the data folder, the current directory and the folders their symbolic links lead to.
    void removeStaleTemporaries();

    // Rescues what an end without questions could not save, and announces it at the next start.
    UnsavedRescue& rescue() { return m_rescue; }

    // Answers whether closing must be refused now, after showing why: a time retrieval or a date change runs.
    bool refuseClose();

    // Runs the orderly end: the stop record while cbKidouKiroku is on, then save all.
    SaveReport shutDown();

    // Releases the hotkeys when the window goes away.
    void releaseHotkeys();

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

    // Returns the text of status panel 0: the clock, or the retrieval notice while a retrieval runs.
    std::string statusPanel0() const;
    // Returns status panel 1 for the current countdown and start-folder option.
    StatusLine statusPanel1(bool showStartFolder) const;

    int32_t today() const { return m_today; }
    const std::string& dataFolder() const { return m_dataFolder; }
    const std::string& dataFolderAtStart() const { return m_dataFolderAtStart; }
    const std::filesystem::path& programFolder() const { return m_programFolder; }
    FileSet files() const { return BuildFileSet(m_programFolder, m_dataFolder); }

    int residentCountdown() const { return m_residentCountdown; }
    void setResidentCountdown(int seconds) { m_residentCountdown = seconds; }
    int warmUpCounter() const { return m_warmUpCounter; }
    // Returns the interval of the function tick at start: 1 s with automatic clock correction, otherwise 10 s.
    int functionTickMilliseconds() const { return m_settings.cbTShuusei ? 1000 : 10000; }

    bool retrievalRunning() const { return m_retrievalRunning; }
    void setRetrievalRunning(bool running) { m_retrievalRunning = running; }
    bool dateChangeRunning() const { return m_dateChangeRunning; }
    void setDateChangeRunning(bool running) { m_dateChangeRunning = running; }

private:
    Status runMonthSteps(MonthInitPhase phase);
    bool readSettings();
    Status writeSettingsFile();

    std::filesystem::path m_programFolder;
    std::filesystem::path m_startupFolder;
    Clock& m_clock;
    Dialogs& m_dialogs;
    ShellSeams m_seams;
    Settings m_settings;
    Commemoration m_commemoration;
    UnsavedRescue m_rescue;
    std::optional<std::filesystem::path> m_zunbo;
    std::optional<std::filesystem::path> m_pomta;
    int32_t m_today = 0;
    std::string m_dataFolder;
    std::string m_dataFolderAtStart;
    bool m_settingsUnreadable = false;
    bool m_writesHeld = false;
    bool m_startDeclined = false;
    int m_residentCountdown = 0;
    int m_warmUpCounter = 180;
    bool m_firstActivation = true;
    bool m_returnedFromElsewhere = false;
    std::optional<std::string> m_deferredMessage;
    bool m_retrievalRunning = false;
    bool m_dateChangeRunning = false;
};

} // namespace rekko
