// SPDX-License-Identifier: GPL-3.0-or-later
// The creation sequence, month initialisation, save all and the orderly end, step by step.
#include "ShellSequence.h"

#include "StartStopRecord.h"

#include "files/UserFiles.h"

#include <chrono>
#include <exception>
#include <thread>

namespace rekko {

namespace fs = std::filesystem;

namespace {

// The function tick's interval after month initialisation, until the start sets its own.
constexpr int kFunctionTickMilliseconds = 10000;

// What a failed write of the start-and-stop record is reported as when its failure names no file.
constexpr const char* kRecordName = "起動＆終了時刻の記録";

} // namespace

std::string MonthInitFailedMessage(const Failure& failure) {
    std::string detail = failure.path;
    if (!failure.cause.empty())
        detail += (detail.empty() ? "" : ": ") + failure.cause;
    const std::string message = kMonthInitFailedMessage;
    if (detail.empty())
        return message;
    const size_t firstLineEnd = message.find("\r\n");
    return message.substr(0, firstLineEnd) + "\r\n" + detail + message.substr(firstLineEnd);
}

ShellSequence::ShellSequence(MainController& controller, Dialogs& dialogs, ShellWindow& window, ShellPorts ports)
    : m_controller(controller), m_dialogs(dialogs), m_window(window), m_ports(ports) {}

void ShellSequence::attachMonthPage(ScheduleStores& stores, MonthDisplay& display) {
    m_stores = &stores;
    m_display = &display;
}

void ShellSequence::attachPages(YearCalendars& year, StoredMemo& memo) {
    m_year = &year;
    m_memo = &memo;
}

bool ShellSequence::start(const std::vector<std::string>& arguments, const fs::path& programsFolder) {
    const Settings& settings = m_controller.settings();
    // The siblings (Zunbo only when cbZunbo asks for it), and what is offered for them and the feature switches.
    m_controller.locateSiblings(m_window.zunboWanted(), programsFolder);
    m_window.offerFeatures();
    // Today, the data folder cleared, the "/J" countdown; the function tick runs from here on.
    m_controller.beginStart(arguments);
    m_window.runFunctionTick(kFunctionTickMilliseconds);
    // What an earlier end could not save, and where its copies are.
    if (const auto rescued = m_controller.rescue().takeNotice())
        m_dialogs.inform(*rescued);
    // One failure, one message: a step that showed its own box (the data folder that cannot be made) ends it.
    if (const Status months = initialiseMonths(); !months) {
        if (!months.error().reported)
            m_dialogs.inform(MonthInitFailedMessage(months.error()));
        return false;
    }
    m_controller.removeStaleTemporaries();
    m_controller.loadCommemoration();
    recordStart();
    if (settings.cbHotkey)
        m_ports.hotkeys.registerKeys();
    m_memo->measure();
    // The values clamped at start; the main window starts the warm-up of the function tick when the start is over.
    m_controller.finishStart();
    m_window.showCommemoration(m_controller.commemoration());
    m_window.offerEditor(m_controller.pomta().has_value() && settings.cbEditor);
    m_year->startDayCount();
    m_window.place();
    return true;
}

Status ShellSequence::initialiseMonths() {
    Status result = Success();
    try {
        m_controller.takeToday();
        m_stores->buildWindow();
        m_window.collectWindowState(m_controller.settings());
        if (m_controller.readSettings()) {
            claimDataFolder();
            m_window.showSettings();
            result = m_stores->load();
            if (result)
                result = m_memo->load(m_controller.files().memoFile);
        } else {
            result = Failure{.reported = true};
        }
        m_controller.keepDataFolderAtStart();
    } catch (const std::exception& error) {
        result = Failure{.cause = error.what()};
    }
    // The final steps run in every case, as the grid must be redrawn whatever happened before.
    try {
        m_window.showStartState();
        m_display->finishInitialisation();
        m_year->showYearAtStart();
        m_window.runFunctionTick(kFunctionTickMilliseconds);
    } catch (const std::exception& error) {
        if (result)
            result = Failure{.cause = error.what()};
    }
    return result;
}

SaveReport ShellSequence::saveAll() {
    SaveReport report;
    // The memo is settled first: when it keeps a text someone else wrote, its place and jump lines in the settings
    // file describe that text.
    report.run("memo", [this] { return m_memo->save(); });
    m_window.collectWindowState(m_controller.settings());
    report.add(m_controller.writeSettingsFile());
    m_stores->save(report);
    if (!report.merged.empty())
        m_window.tellMerged(m_controller.rescue().keepMerged(report, m_controller.clock().now()));
    return report;
}

SaveReport ShellSequence::recordStop() {
    SaveReport report;
    if (m_controller.settings().cbKidouKiroku)
        report.run(kRecordName, [this] { return m_ports.record.appendStop(); });
    return report;
}

SaveReport ShellSequence::shutDown() {
    SaveReport report = recordStop();
    SaveReport saved = saveAll();
    report.failures.insert(report.failures.end(), saved.failures.begin(), saved.failures.end());
    report.rescuable = std::move(saved.rescuable);
    return report;
}

void ShellSequence::switchStartRecord(bool on) {
    SaveReport report;
    report.run(kRecordName, [this, on] { return on ? m_ports.record.switchOn() : m_ports.record.switchOff(); });
    if (!report.ok())
        m_dialogs.inform(report.message());
}

void ShellSequence::claimDataFolder() {
    const std::string& dataFolder = m_controller.dataFolder();
    if (m_claimedFolder == dataFolder)
        return;
    m_claimedFolder = dataFolder;
    m_controller.setDataFolderBusy(false, false);
    const fs::path folder = DataFolderPath(dataFolder);
    std::error_code error;
    // The folder a missing period file is created in is made here already, so that it is locked before anything
    // is written into it.
    if (!m_controller.writesHeld() && !fs::exists(folder, error))
        fs::create_directories(folder, error);
    const FolderClaim claim = m_ports.folderLock.claim(folder);
    switch (claim.outcome) {
    case FolderClaimOutcome::Busy:
        m_controller.setDataFolderBusy(true, fs::equivalent(folder, kWorkingFolder, error));
        m_dialogs.inform(DataFolderBusyText(dataFolder));
        break;
    case FolderClaimOutcome::Refused:
        m_dialogs.inform(DataFolderLockRefusedMessage(dataFolder, claim.cause));
        break;
    case FolderClaimOutcome::Taken:
    case FolderClaimOutcome::Missing: // the period file's step reports it
        break;
    }
}

void ShellSequence::recordStart() {
    const Settings& settings = m_controller.settings();
    if (!settings.cbKidouKiroku)
        return;
    bool recorded = false;
    try {
        const auto started =
            m_ports.record.appendStart(RecordLineLimit(std::to_string(settings.udKidouGyou)), settings.cbKirokuHyouji);
        recorded = started.ok();
        if (recorded && started.value())
            m_controller.setDeferredMessage(*started.value());
    } catch (const std::exception&) {
        recorded = false;
    }
    if (!recorded)
        m_dialogs.inform("起動時刻取得エラー\r\n処理は続けます。");
}

void ShellSequence::storeToday(int32_t day) {
    m_controller.setToday(day);
    m_display->setToday(day);
}

Status ShellSequence::reinitialise() {
    // The file system gets a moment between the writes of save all and the reads of the new month window. Month
    // initialisation reads every month and the period list afresh into the lists it empties.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return initialiseMonths();
}

} // namespace rekko
