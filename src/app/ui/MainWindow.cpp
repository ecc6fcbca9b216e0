// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: building and wiring the pages, its steps of the shell's sequences, activation and the orderly end.
#include "MainWindow.h"

#include "HelpKey.h"
#include "SettingsWidgets.h"

#include "app/AppFolders.h"
#include "app/HelpTopics.h"
#include "app/Hotkeys.h"
#include "app/WindowPlacement.h"
#include "clocksync/ui/JikokuWindow.h"
#include "platform/InstanceRegistry.h"
#include "platform/ProgramLocation.h"
#include "sync/ui/IcsExportCommand.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace rekko {

namespace {

constexpr int kNormalWidth = 782;

// The second part of the box that shows an error nothing else caught.
constexpr const char* kUnexpectedErrorEnd = "予期しないエラーのため、データを保存してRekkoを終了します。";

} // namespace

MainWindow::MainWindow(MainController& controller, Dialogs& dialogs, std::function<void(bool)> unattended,
                       ShellPorts ports, SyncPorts sync, QWidget* parent)
    : QMainWindow(parent), m_controller(controller), m_dialogs(dialogs), m_unattended(std::move(unattended)),
      m_sequence(controller, dialogs, *this, ports),
      m_dataFolderChange(
          dialogs, [this] { saveAllTellingFailures(); },
          [this] {
              // From now on the settings file keeps the folder of the change.
              m_controller.settings().edFolder = m_dataFolderChange.folderAtStart();
              m_controller.dataFolderChosen();
          }) {
    setObjectName("fmC21");
    setWindowTitle(QString::fromUtf8(kMainWindowTitle));
    buildPages(std::move(sync));
    wireCommands();
    wireResidency();
    m_pages->tabBar()->installEventFilter(this);
    watchFocusReturns();
    fitToCalendar();
}

MainWindow::~MainWindow() {
    m_sequence.releaseHotkeys();
}

void MainWindow::buildPages(SyncPorts sync) {
    Settings& settings = m_controller.settings();
    m_menu = new MainMenu(menuBar());
    m_status = new MainStatusBar(this);
    setStatusBar(m_status);
    m_sync = new SyncLink({[this] { return m_controller.writesHeld(); }, [this] { return saveAllTellingFailures(); },
                           [this] { return m_controller.files(); }, [this] { m_monthView->reloadSchedules(); },
                           [this] { return m_controller.clock().utcNow(); }},
                          m_menu->actions().syncNow, m_dialogs, std::move(sync), this);
    m_status->addIndicator(m_sync->indicator());

    m_pages = new QTabWidget(this);
    m_pages->setObjectName("PageControl1");
    m_month = new MonthPage(m_pages);
    m_settings = new SettingsPage(m_dataFolderChange, m_controller.settingsTable(), *m_sync, m_pages);
    m_pages->addTab(m_month, QStringLiteral("月"));
    m_pages->addTab(m_settings, QStringLiteral("設定"));
    m_pages->setTabVisible(m_pages->indexOf(m_settings), false);
    setCentralWidget(m_pages);
    m_monthView = new MonthView(m_month, m_status->dayEntry(), m_sequence, settings, m_controller.clock(), m_dialogs,
                                m_controller.book());
    m_sequence.attachMonthPage(m_monthView->stores(), *m_monthView);
    // The year page takes its rules from the book and jumps to months of the month page.
    m_yearLink =
        new YearPageLink(m_controller.clock(), m_dialogs, settings, m_pages, *m_monthView, m_controller.book());
    m_pages->insertTab(1, m_yearLink->tab(), QStringLiteral("年"));
    m_memoLink = new MemoPageLink(m_controller, m_dialogs, m_pages);
    m_memo = m_memoLink->page();
    m_pages->addTab(m_memo, QStringLiteral("メモ"));
    m_sequence.attachPages(*m_yearLink, *m_memoLink);

    m_functionTimer = new QTimer(this);
    m_functionTimer->setObjectName("tmKinou");
    m_functionTimer->setInterval(10000);
    m_residentTimer = new QTimer(this);
    m_residentTimer->setObjectName("tmJouchuu");
    m_residentTimer->setInterval(1000);

    m_timerHost = new TimerWindowHost(m_controller.timer(), m_controller.clock(), m_dialogs, this);
    m_tick =
        new MainTick(this, {m_controller, m_dialogs, *this, m_sequence, *m_status, *m_functionTimer, *m_timerHost});
    m_residency = new Residency(*this, *this, m_controller.settings());
    connect(this, &MainWindow::firstPainted, m_residency, &Residency::setUpTray);
    m_siblings = new SiblingPrograms(this, m_controller, m_dialogs, m_month->buttons(), *m_monthView, *m_residency);
    const MainMenuActions& a = m_menu->actions();
    m_maintenance = new MaintenanceLink(
        {a.backup, a.textExport, a.excel, a.anniversaries, a.commemoration, a.commemorationAdmin,
         m_month->buttons().settings},
        {[this] { return m_controller.programFolder(); }, [this] { return m_controller.dataFolder(); },
         [this] {
             return ShownMonth{m_monthView->grid()->Year(), m_monthView->grid()->Month()};
         },
         [this]() -> const MonthGrid& { return m_monthView->grid()->grid(); },
         [this] {
             saveAllTellingFailures();
             m_monthView->stores().removeStaleCopies();
         },
         [this] {
             // What memory holds would undo the restore: only the stop record is written.
             if (const SaveReport report = m_sequence.recordStop(); !report.ok())
                 m_dialogs.inform(report.message());
             hide();
             emit ended(0);
         },
         [this] { return m_controller.book().rules().specialDayList(); },
         [this](std::vector<std::string> lines) { return m_monthView->replaceSpecialDays(std::move(lines)); },
         [this] { m_monthView->reloadSchedules(); }, [this] { return m_controller.commemoration(); },
         [this](const Commemoration& values) {
             showCommemoration(values);
             if (const Status kept = m_controller.keepCommemoration(values); !kept)
                 m_dialogs.inform(m_controller.files().commemoration.string() + "\r\n" + kept.error().cause);
         },
         [this] { return m_tick->retrievalRunning(); }, [this] { m_sequence.releaseHotkeys(); },
         [this] { return m_tick->tick().dateChangeRunning() || m_sync->running(); }},
        m_dialogs, m_controller.clock(), m_controller.book().rules(), this);
    connect(m_memoLink, &MemoPageLink::textViewRequested, m_maintenance, &MaintenanceLink::showText);
    connect(m_settings, &SettingsPage::setupClicked, m_maintenance, [this] { m_maintenance->open(SetupPage::Setup); });
    connect(m_settings, &SettingsPage::startUpClicked, m_maintenance,
            [this] { m_maintenance->open(SetupPage::StartUp); });
}

void MainWindow::wireResidency() {
    const MonthPageButtons& buttons = m_month->buttons();
    connect(buttons.resident, &QPushButton::clicked, m_residency, &Residency::goResident);
    connect(this, &MainWindow::residentRequested, m_residency, &Residency::goResident);
    connect(buttons.timer, &QPushButton::clicked, m_timerHost, &TimerWindowHost::openSetting);
    connect(m_menu->actions().timer, &QAction::triggered, m_timerHost, &TimerWindowHost::openSetting);
    connect(m_timerHost, &TimerWindowHost::armedChanged, this,
            [button = buttons.timer](bool armed) { ShowTimerArmed(*button, armed); });
}

void MainWindow::hotkeyPressed(int id) {
    if (id == kResidentHotkeyId)
        m_residency->residentHotkey();
    else if (id == kEditorHotkeyId)
        m_siblings->startEditor();
}

bool MainWindow::visible() const {
    // A window minimised in place of the tray is out of sight as a hidden one is.
    return isVisible() && !isMinimized();
}

ShownPage MainWindow::shownPage() const {
    const QWidget* page = m_pages->currentWidget();
    if (page == m_yearLink->tab())
        return ShownPage::Year;
    if (page == m_settings)
        return ShownPage::Settings;
    if (page == m_memo)
        return ShownPage::Memo;
    return ShownPage::Month;
}

void MainWindow::setTickInterval(int milliseconds) {
    m_functionTimer->setInterval(milliseconds);
}

void MainWindow::setAutoCorrectionEnabled(bool enabled) {
    m_settings->setAutoCorrectionEnabled(enabled);
}

void MainWindow::showRetrieval(bool running) {
    m_menu->actions().clockCorrection->setEnabled(m_controller.settings().cbTShuusei && !running);
    m_settings->setClockCorrectionAvailable(!running);
}

void MainWindow::openClockCorrection() {
    const FileSet files = m_controller.files();
    JikokuWindow::open({files.settings, files.clockLog, m_controller.clock(), m_controller.clockSetter(), m_dialogs,
                        *m_tick, m_controller.settings()},
                       m_tick->retrievalRunning(), this);
}

void MainWindow::tellMerged(const std::string& message) {
    // In sight and staying, the status bar says it; otherwise standard error now and a box at the next start.
    if (visible() && !m_saving) {
        m_status->setPanel1({QString::fromStdString(message).replace("\r\n", "　").toStdString(), true});
        return;
    }
    std::fputs(m_controller.rescue().noteMerged(message).c_str(), stderr);
}

void MainWindow::leaveForResidence() {
    m_menu->actions().moveMenu->setEnabled(true);
    if (m_pages->currentWidget() == m_settings)
        m_pages->setTabVisible(m_pages->indexOf(m_settings), false);
    m_monthView->grid()->ResetSelection();
    m_monthView->stores().removeStaleCopies();
}

void MainWindow::returnFromResidence() {
    if (m_pages->currentWidget() == m_memo)
        m_pages->setCurrentWidget(m_month);
}

void MainWindow::showNotice(const std::string& text) {
    m_status->setPanel1({text, false});
}

void MainWindow::quitWithoutSaving() {
    hide();
    emit ended(1);
}

void MainWindow::wireCommands() {
    const MonthPageButtons& buttons = m_month->buttons();
    const MainMenuActions& actions = m_menu->actions();
    connect(buttons.settings, &QPushButton::clicked, this, &MainWindow::openSettings);
    connect(actions.exit, &QAction::triggered, this, &QWidget::close);
    connect(actions.clockCorrection, &QAction::triggered, this, &MainWindow::openClockCorrection);
    connect(actions.icsExport, &QAction::triggered, this, [this] {
        IcsExportCommand(
            m_controller.book(), [this] { return m_controller.files(); }, m_dialogs, m_controller.clock())
            .run(QDate(m_monthView->grid()->Year(), m_monthView->grid()->Month(), 1), this);
    });
    connect(actions.help, &QAction::triggered, this,
            [] { OpenHelpPage(ShippedFolder(ExecutablePath()), kHelpIndexTopic); });
    connect(m_settings, &SettingsPage::clockCorrectionClicked, this, &MainWindow::openClockCorrection);
    connect(m_month->menus().exit, &QAction::triggered, this, &QWidget::close);
    for (const auto& [action, months] : {std::pair{actions.previousMonth, -1}, std::pair{actions.nextMonth, +1},
                                         std::pair{actions.previousYear, -12}, std::pair{actions.nextYear, +12}})
        connect(action, &QAction::triggered, m_monthView, [this, months = months] { m_monthView->step(months); });
    connect(this, &MainWindow::currentMonthRequested, m_monthView, &MonthView::showCurrentMonth);
    connect(m_monthView, &MonthView::hintShown, this, [this](const QString& hint) {
        m_status->setPanel1({hint.toStdString(), false});
    });
    connect(m_monthView, &MonthView::hintClosed, this, &MainWindow::refreshStatus);
    followSettings();
    // A press on the grid or on the page tabs stops a running "/J" countdown.
    connect(m_monthView->grid(), &TSeMCal::mouseDown, this, &MainWindow::cancelCountdown);
    connect(m_monthView->grid(), &TSeMCal::mouseDoubleClick, this, &MainWindow::cancelCountdown);
    // Leaving the settings page while a data-folder change is pending cancels the change; the month page gives
    // the grid the keyboard focus.
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_pages->widget(index) != m_settings)
            m_settings->cancelPendingChange();
        if (m_pages->widget(index) == m_month)
            m_monthView->grid()->setFocus();
    });
    connect(m_residentTimer, &QTimer::timeout, this, &MainWindow::countDown);
    wireYearAndMemo();
    // Alt+Right and Alt+Left turn the pages.
    for (const auto& [key, step] : {std::pair{Qt::Key_Right, 1}, std::pair{Qt::Key_Left, -1}}) {
        connect(new QShortcut(Qt::ALT | key, this), &QShortcut::activated, this, [this, step = step] {
            const int count = m_pages->count();
            int index = m_pages->currentIndex();
            do
                index = (index + step + count) % count;
            while (!m_pages->isTabVisible(index));
            m_pages->setCurrentIndex(index);
        });
    }
}

void MainWindow::followSettings() {
    SettingsKeys& keys = m_controller.settingsTable();
    const Settings& s = keys.values();
    const MonthPageButtons& buttons = m_month->buttons();
    const MainMenuActions& actions = m_menu->actions();
    FollowKey(keys, &Settings::cbKidouKiroku, this, [this, &s, actions] {
        actions.startRecord->setEnabled(s.cbKidouKiroku);
        m_memo->setStartRecordEnabled(s.cbKidouKiroku);
    });
    FollowKey(keys, &Settings::cbJigen, this, [this, &s, buttons, actions] {
        m_timerHost->switchFunction(s.cbJigen);
        buttons.timer->setEnabled(s.cbJigen);
        actions.timer->setEnabled(s.cbJigen);
    });
    FollowKey(keys, &Settings::cbTShuusei, this, [this, &s, actions] {
        actions.clockCorrection->setEnabled(s.cbTShuusei && !m_tick->retrievalRunning());
    });
    FollowKey(keys, &Settings::cbMemo, this,
              [this, &s] { m_pages->setTabVisible(m_pages->indexOf(m_memo), s.cbMemo && !m_editorTookMemo); });
    WatchKey(keys, &Settings::cbRokuyo, this, [this, &s] {
        m_monthView->grid()->setShowRokuyo(s.cbRokuyo);
        m_yearLink->setShowRokuyo(s.cbRokuyo);
    });
    WatchKey(keys, &Settings::cbSekki, this, [this, &s] {
        m_monthView->grid()->setShowSolarTerms(s.cbSekki);
        m_yearLink->setShowSolarTerms(s.cbSekki);
    });
    WatchKey(keys, &Settings::cbRekichu, this, [this, &s] { m_monthView->grid()->setShowAlmanacMarks(s.cbRekichu); });
    // The compact layout changes the grid's height, and the window takes the size that fits it.
    for (const auto key : {&Settings::cbNextDay, &Settings::cbNeighborJump, &Settings::cbBold})
        WatchKey(keys, key, this, [this] { followDisplay(); });
    WatchKey(keys, &Settings::udCalSize, this, [this] { followDisplay(); });
}

void MainWindow::followDisplay() {
    if (m_monthView->followSettings())
        fitToCalendar();
}

void MainWindow::wireYearAndMemo() {
    const MainMenuActions& actions = m_menu->actions();
    connect(actions.dayCount, &QAction::triggered, m_yearLink, &YearPageLink::showDayCount);
    for (const auto& [action, view] :
         {std::pair{actions.memo, MemoView::Memo}, std::pair{actions.readMe, MemoView::ReadMe},
          std::pair{actions.usage, MemoView::Usage}, std::pair{actions.latest, MemoView::VersionHistory}})
        connect(action, &QAction::triggered, this, [this, view = view] { showMemoView(view); });
    connect(actions.startRecord, &QAction::triggered, m_memoLink, &MemoPageLink::showStartRecord);
    connect(m_settings, &SettingsPage::startRecordClicked, this, [this](bool on) { m_sequence.switchStartRecord(on); });
    connect(m_memoLink, &MemoPageLink::residentRequested, this, &MainWindow::residentRequested);
    connect(this, &MainWindow::memoFocusRequested, this, [this] { m_memo->controls().CaMemo->setFocus(); });
    // Alt+M is the memo command anywhere in the window, before the menu bar's own Alt+M opens "メモ欄".
    qApp->installEventFilter(this);
}

void MainWindow::showMemoView(MemoView view) {
    const bool shown = m_pages->isTabVisible(m_pages->indexOf(m_memo));
    m_menu->actions().memo->setChecked(shown);
    if (!shown)
        return;
    m_memo->showView(view);
    m_pages->setCurrentWidget(m_memo);
}

bool MainWindow::isAltM(QEvent* event) const {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->key() == Qt::Key_M && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier &&
           QApplication::activeWindow() == this && !QApplication::activeModalWidget();
}

bool MainWindow::start(const std::vector<std::string>& arguments, const std::filesystem::path& programsFolder) {
    if (!m_sequence.start(arguments, programsFolder))
        return false;
    m_sync->readSettings();
    const Settings& s = m_controller.settings();
    m_siblings->offer(m_controller.pomta().has_value() && s.cbEditor);
    m_tick->status().startCountdown(m_controller.residentCountdown());
    // The warm-up of the function tick begins once the start is over.
    m_tick->tick().start();
    return true;
}

bool MainWindow::saveAllTellingFailures() {
    const SaveReport report = m_sequence.saveAll();
    if (!report.ok())
        m_dialogs.inform(report.message());
    return report.ok();
}

bool MainWindow::zunboWanted() const {
    return m_settings->zunboWanted();
}

void MainWindow::offerFeatures() {
    const Settings& s = m_controller.settings();
    m_settings->offerFeatures(m_controller.zunbo().has_value(), m_controller.pomta().has_value(), s.cbJikoku);
    if (!s.cbExcel)
        MonthPage::makeInert(m_month->buttons().excel);
    if (!m_controller.zunbo())
        MonthPage::makeInert(m_month->buttons().zunbo);
}

void MainWindow::runFunctionTick(int milliseconds) {
    m_functionTimer->setInterval(milliseconds);
    m_functionTimer->start();
}

void MainWindow::collectWindowState(Settings& s) {
    s.fmC21Top = frameGeometry().top();
    s.fmC21Left = frameGeometry().left();
    // Until the file has been read, the schedule dialog's position defaults to the main window's.
    if (!m_settingsRead) {
        s.fmDayTop = s.fmC21Top;
        s.fmDayLeft = s.fmC21Left;
    }
    m_memoLink->collectPlace(s);
}

void MainWindow::showSettings() {
    m_settingsRead = true;
    m_settings->showValues();
    m_pages->setTabVisible(m_pages->indexOf(m_memo), m_controller.settings().cbMemo && !m_editorTookMemo);
}

void MainWindow::showStartState() {
    m_settings->resetDataFolder(m_controller.dataFolderAtStart(),
                                QString::fromStdString(FolderText(m_controller.programFolder())));
    m_pages->setTabVisible(m_pages->indexOf(m_settings), false);
    refreshStatus();
}

void MainWindow::showCommemoration(const Commemoration& cmr) {
    QLabel* panel = m_month->commemorationPanel();
    panel->setText(QString::fromStdString(cmr.pCedtMigishita));
    panel->setVisible(cmr.pCcbMigishita);
    panel->setAutoFillBackground(!cmr.pCcbHorikomi);
}

void MainWindow::offerEditor(bool useEditor) {
    QPushButton* memo = m_month->buttons().memo;
    if (!useEditor) {
        MonthPage::makeInert(memo);
        return;
    }
    memo->setText(QStringLiteral("メモ"));
    m_editorTookMemo = true;
    m_pages->setTabVisible(m_pages->indexOf(m_memo), false);
    m_menu->actions().memo->setChecked(false);
}

void MainWindow::place() {
    refreshStatus();
    // Now that the grid has its lines per day and the page its panels, the window takes the height they need.
    fitToCalendar();
    placeWindows();
}

void MainWindow::fitToCalendar() {
    // The grid asks for the height its lines need under the fonts of this desktop, the rest of the window for what
    // its bars and buttons need. Until the window is first shown, the layouts keep the answers they gave when the
    // widgets were made, so each widget and layout is told to answer again.
    for (QWidget* widget : findChildren<QWidget*>())
        widget->updateGeometry();
    for (QLayout* layout : findChildren<QLayout*>())
        layout->invalidate();
    // The width is the window's own when five full month tabs need more than the usual width.
    const QSize hint = sizeHint();
    resize(std::max(kNormalWidth, hint.width()), hint.height());
}

void MainWindow::placeWindows() {
    Settings& s = m_controller.settings();
    const QRect area = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QRect frame = frameGeometry();
    PlacementRequest request;
    request.rule = s.HyoujiIchi;
    request.current = {frame.left(), frame.top()};
    request.width = frame.width();
    request.height = frame.height();
    request.workArea = {area.left(), area.top(), area.width(), area.height()};
    request.storedMain = {s.fmC21Left, s.fmC21Top};
    request.storedDialog = {s.fmDayLeft, s.fmDayTop};
    request.currentDialog = request.storedDialog;
    const Placement placement = PlaceWindows(request);
    move(placement.mainWindow.x, placement.mainWindow.y);
    s.fmDayLeft = placement.scheduleDialog.x;
    s.fmDayTop = placement.scheduleDialog.y;
    if (placement.tooSmall)
        m_dialogs.inform(kXgaMessage);
}

void MainWindow::refreshStatus() {
    m_tick->refreshClock();
    m_tick->status().refreshPanel1();
}

void MainWindow::cancelCountdown() {
    if (m_tick->status().countdownSeconds() == 0 && !m_residentTimer->isActive())
        return;
    m_residentTimer->stop();
    m_tick->status().cancelCountdown();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pages->tabBar() && event->type() == QEvent::MouseButtonPress)
        cancelCountdown();
    if (isAltM(event)) {
        // Taking the override keeps the menu bar from seeing the key; the press that follows is the command.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            m_menu->actions().memo->trigger();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::watchFocusReturns() {
    // Qt reports no focus window when another application takes the focus, or when this window is hidden or
    // iconified. A dialog of the program closing hands the focus back to this window; should the window manager
    // leave the focus nowhere instead, that is no return either.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        const bool ownDialogClosed =
            m_lastFocusWindow != windowHandle() && (!m_lastFocusWindow || !m_lastFocusWindow->isVisible());
        if (!focused && !ownDialogClosed)
            m_controller.noteFocusLeftProgram();
        else if (focused && focused != windowHandle() && focused->type() == Qt::Dialog)
            m_controller.noteFocusOnDialog();
        m_lastFocusWindow = focused;
    });
}

void MainWindow::countDown() {
    if (m_tick->status().countDown()) {
        m_residentTimer->stop();
        emit residentRequested();
    }
}

void MainWindow::openSettings() {
    m_settings->build();
    m_pages->setTabVisible(m_pages->indexOf(m_settings), true);
    m_pages->setCurrentWidget(m_settings);
}

void MainWindow::wakeUp() {
    m_residency->restore();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_controller.returnsToCurrentMonth(m_controller.settings().cbZenkai))
        m_pages->setCurrentWidget(m_month);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    Activation activation = m_controller.activate(m_controller.settings().cbZenkai);
    if (activation.showCurrentMonth) {
        if (m_month->monthTabs()->count() > 1)
            m_month->monthTabs()->setCurrentIndex(1);
        emit currentMonthRequested();
    } else if (m_pages->currentWidget() == m_memo) {
        emit memoFocusRequested();
    }
    m_tick->refreshClock();
    // Starting a running timer would start its interval again: every dialog that closes would hold off the tick.
    if (!m_functionTimer->isActive())
        m_functionTimer->start();
    if (m_tick->status().countdownSeconds() > 0 && !m_residentTimer->isActive())
        m_residentTimer->start();
    // The box waits until the activation is over, so it does not open inside the window system's focus change.
    if (activation.deferredMessage)
        QTimer::singleShot(0, this, [this, text = *activation.deferredMessage] { m_dialogs.inform(text); });
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // The child widgets paint after this window in the same pass; report once the pass is over.
        QTimer::singleShot(0, this, &MainWindow::firstPainted);
    }
    return handled;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_systemClosing && m_controller.refuseClose(m_tick->retrievalRunning(), m_tick->tick().dateChangeRunning())) {
        event->ignore();
        return;
    }
    if (endInOrder())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::endInOrder() {
    // Cleared only when the steps return: an error that escapes them leaves nothing to try again.
    m_saving = true;
    SaveReport report = m_sequence.shutDown();
    if (m_systemClosing) {
        report.failures.insert(report.failures.end(), m_unwrittenEdit.failures.begin(), m_unwrittenEdit.failures.end());
        report.rescuable.insert(report.rescuable.end(), m_unwrittenEdit.rescuable.begin(),
                                m_unwrittenEdit.rescuable.end());
    }
    if (!report.ok() && m_systemClosing) {
        // Nobody is there to ask: say it on standard error, keep copies for the next start, end with a failure.
        std::fputs(m_controller.rescue().rescue(report, m_controller.clock().now()).c_str(), stderr);
        m_exitCode = 1;
    }
    m_saving = false;
    if (!report.ok() && !m_systemClosing) {
        // What could not be written still lives in this window; the user may keep it open and try again.
        const DialogMessage question{kDefaultCaption, report.message() + "\r\n\r\nこのまま終了しますか？",
                                     DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::No};
        if (m_dialogs.show(question) != DialogAnswer::Yes)
            return false;
    }
    emit ended(m_exitCode);
    return true;
}

void MainWindow::closeBySystem() {
    if (m_systemClosing)
        return;
    m_systemClosing = true;
    // Typed in the schedule dialog and not written: kept aside before the dialog is closed below.
    m_monthView->reportUnwrittenEdit(m_unwrittenEdit);
    if (m_unattended)
        m_unattended(true);
    // An open box or dialog gives its safe answer, so that nothing waits for a user who is leaving.
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == this)
            break;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
    QTimer::singleShot(0, this, &MainWindow::finishShutdown);
}

void MainWindow::endAfterError(const QString& what) {
    std::fprintf(stderr, "Rekko: %s\n", what.toUtf8().constData());
    if (m_saving) {
        // The error came out of the end's own saving: what could be saved is saved.
        hide();
        emit ended(1);
        return;
    }
    if (m_failed || m_systemClosing)
        return;
    m_failed = true;
    m_exitCode = 1;
    m_dialogs.show({"エラー", what.toStdString() + "\r\n\r\n" + kUnexpectedErrorEnd, DialogIcon::Error});
    closeBySystem();
}

void MainWindow::finishShutdown() {
    // A date change must finish first; it runs on this thread, so check again shortly.
    if (m_tick->tick().dateChangeRunning()) {
        QTimer::singleShot(100, this, &MainWindow::finishShutdown);
        return;
    }
    // Not through close(): a close that is running (its question open when the signal came) would swallow it.
    endInOrder();
    hide();
}

} // namespace rekko
