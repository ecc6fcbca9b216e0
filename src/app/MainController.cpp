// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's state: start-up values, the settings file, activation and the close rules of the main window.
#include "MainController.h"

#include "AppFolders.h"
#include "CommandLine.h"

#include "base/AtomicWrite.h"
#include "month/MonthPorts.h"

namespace rekko {

namespace fs = std::filesystem;

MainController::MainController(fs::path programFolder, fs::path startupFolder, Clock& clock, ClockSetter& clockSetter,
                               Dialogs& dialogs, fs::path rescueFolder)
    : m_programFolder(std::move(programFolder)), m_startupFolder(std::move(startupFolder)), m_clock(clock),
      m_clockSetter(clockSetter), m_dialogs(dialogs), m_rescue(std::move(rescueFolder)) {}

void MainController::locateSiblings(bool lookForZunbo, const fs::path& programsFolder) {
    m_zunbo = lookForZunbo ? FindSibling("Zunbo", m_programFolder, programsFolder) : std::nullopt;
    m_pomta = FindSibling("Pomta", m_programFolder, programsFolder);
}

void MainController::beginStart(const std::vector<std::string>& arguments) {
    takeToday();
    m_dataFolder.clear();
    m_firstActivation = true;
    m_residentCountdown = ResidentCountdownSeconds(arguments);
}

void MainController::takeToday() {
    m_today = DateTimeToJuliusDay(m_clock.now());
}

bool MainController::readSettings() {
    auto file = ProfileFile::Load(files().settings);
    const Status read = ReadSettings(file.ok() ? file.value() : ProfileFile{}, m_settings, m_dataFolder.empty());
    const Status usable = file.ok() ? read : Status(file.error());
    if (!usable && !m_settingsDoubted) {
        // Without the settings the data folder is unknown: the user decides whether to go on with the defaults, and
        // nothing is written until a data folder is chosen.
        const DialogMessage question{kDefaultCaption,
                                     "設定ファイルを読み込めません。\r\n" + files().settings.string() + "\r\n" +
                                         usable.error().cause +
                                         "\r\n\r\n既定の設定で続けますか？\r\n"
                                         "データフォルダを選ぶまで、データファイルと設定ファイルには書き込みません。",
                                     DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::Yes};
        if (m_dialogs.show(question) != DialogAnswer::Yes) {
            m_startDeclined = true;
            return false;
        }
        m_writesHeld = true;
    }
    m_settingsDoubted = !usable.ok();
    m_settingsUnreadable = !file.ok();
    Settings& settings = m_settings.edit();
    if (m_dataFolder.empty() && !settings.edFolder.empty()) {
        // Data files are named by appending to the folder text, so it must end with "/".
        if (settings.edFolder.back() != '/')
            settings.edFolder += '/';
        m_dataFolder = settings.edFolder;
    }
    return true;
}

namespace {

// The data folder as a full path ending with "/": the current directory when it is empty.
std::string fullFolderText(const std::string& dataFolder) {
    std::error_code error;
    return FolderText(dataFolder.empty() ? fs::current_path(error) : fs::absolute(dataFolder, error));
}

} // namespace

std::string DataFolderBusyText(const std::string& dataFolder) {
    return fullFolderText(dataFolder) + "は他の Rekko が使用中です。";
}

std::string DataFolderLockRefusedMessage(const std::string& dataFolder, const std::string& cause) {
    return fullFolderText(dataFolder) + " をロックできません。\r\n" + cause +
           "\r\n同じフォルダを使う他の Rekko を確かめずに続けます。";
}

std::string MainController::writesHeldCause() const {
    return m_writesHeld ? kWritesHeldCause : DataFolderBusyText(m_dataFolder);
}

void MainController::setDataFolderBusy(bool busy, bool isWorkingFolder) {
    m_dataFolderBusy = busy;
    m_dataFolderIsWorking = busy && isWorkingFolder;
}

void MainController::loadCommemoration() {
    auto file = ProfileFile::Load(files().commemoration);
    if (file.ok())
        m_commemoration = ReadCommemoration(file.value());
}

Status MainController::keepCommemoration(const Commemoration& values) {
    m_commemoration = values;
    auto file = ProfileFile::Load(files().commemoration);
    if (!file)
        return file.error();
    if (Status written = WriteCommemoration(file.value(), values); !written)
        return written;
    return file.value().save(files().commemoration);
}

void MainController::finishStart() {
    ClampSettingsAtStart(settings(), m_clock.now());
    // Once, after the absent time became now: a month initialisation later reads the file again, and an armed timer
    // keeps running through it.
    m_timer = CountdownTimer(settings().pTimer, settings().pTimerBf);
    m_timerTaken = true;
}

Status MainController::writeSettingsFile() {
    const fs::path path = files().settings;
    if (m_writesHeld)
        return Success();
    if (m_timerTaken) {
        settings().pTimer = m_timer.storedTime();
        settings().pTimerBf = m_timer.notice();
    }
    // Once the user has chosen a data folder, a settings file that could not be read is replaced by a new one.
    auto file = m_settingsUnreadable ? Result<ProfileFile>(ProfileFile{}) : ProfileFile::Load(path);
    if (!file)
        return Failure{.cause = file.error().cause, .path = path.string()};
    // A key someone else changed in the file since it was read keeps their value, unless it was changed here too.
    (void)m_settings.takeChangesFrom(file.value());
    if (auto written = WriteSettings(file.value(), m_settings); !written)
        return Failure{.cause = written.error().cause, .path = path.string()};
    return file.value().save(path);
}

void MainController::removeStaleTemporaries() {
    const fs::path dataFolder = DataFolderPath(m_dataFolder);
    RemoveStaleTemporaries(m_programFolder, IsWrittenFileName);
    // A temporary in a folder another process holds may be that process's write in progress.
    if (!m_dataFolderBusy)
        RemoveStaleTemporaries(dataFolder, IsWrittenFileName);
    if (!m_dataFolderIsWorking)
        RemoveStaleTemporaries(kWorkingFolder, IsWrittenFileName);
}

bool MainController::refuseClose(bool retrievalRunning, bool dateChangeRunning) {
    if (retrievalRunning) {
        m_dialogs.inform("時刻取得中です。現在は終了できません。\r\nもう少し後、終了させてください。");
        return true;
    }
    if (dateChangeRunning) {
        m_dialogs.inform("今は終了できません。");
        return true;
    }
    return false;
}

Activation MainController::activate(bool keepLastDisplay) {
    Activation activation;
    activation.showCurrentMonth = returnsToCurrentMonth(keepLastDisplay);
    m_firstActivation = false;
    m_returnedFromElsewhere = false;
    activation.deferredMessage = std::move(m_deferredMessage);
    m_deferredMessage.reset();
    return activation;
}

} // namespace rekko
