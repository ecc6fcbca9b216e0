// SPDX-License-Identifier: GPL-3.0-or-later
// The process entry: start-up checks under the start lock, then the main window until the program ends.
#include "Entry.h"

#include "HelpKey.h"
#include "MainHotkeys.h"
#include "MainWindow.h"
#include "RekkoApplication.h"

#include "app/SingleInstance.h"
#include "app/StartStopRecord.h"
#include "controls/ui/TCalExFonts.h"
#include "files/UserFiles.h"
#include "maintenance/ProgramRemoval.h"
#include "platform/FolderLock.h"
#include "platform/ProgramLocation.h"
#include "platform/SecretStore.h"
#include "platform/Shortcuts.h"
#include "platform/ShutdownSignals.h"
#include "platform/SpecialFolders.h"
#include "platform/StartLock.h"
#include "platform/ui/LocalInstance.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <optional>

namespace rekko {

namespace {

// Keeps the notices of the start-up checks until the start lock is released, so that a box the user leaves open
// does not hold back a second start.
class HeldNotices : public Dialogs {
public:
    DialogAnswer show(const DialogMessage& message) override {
        m_held.push_back(message);
        return message.defaultAnswer;
    }
    void showAll(Dialogs& dialogs) const {
        for (const auto& message : m_held)
            dialogs.show(message);
    }

private:
    std::vector<DialogMessage> m_held;
};

// How often and how long a program started by a setup tries to take the endpoint of the one that ends.
constexpr int kHandOverRetries = 120;
constexpr std::chrono::milliseconds kHandOverRetryInterval{500};

// For the start-up benchmark: report the first paint on the standard output and end in order.
void reportFirstPaintAndQuit(MainWindow& window) {
    QObject::connect(&window, &MainWindow::firstPainted, &window, [&window] {
        std::fputs("first-paint\n", stdout);
        std::fflush(stdout);
        QTimer::singleShot(0, &window, &QWidget::close);
    });
}

// "/R" asks and hands the removal to a temporary copy; "/X" (that copy) removes the program file given after it.
int RunRemoval(RemovalCommand command, const std::vector<std::string>& arguments) {
    QtDialogs dialogs(false);
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    if (command == RemovalCommand::Remove) {
        DetachedProgramStarter starter;
        return StartRemoval(ExecutablePath(), temporary, dialogs, starter) ? 0 : 1;
    }
    const XdgSpecialFolders folders;
    DesktopEntryShortcuts shortcuts(folders);
    const bool removed = FinishRemoval(std::filesystem::absolute(arguments[1]), HomeFolder(), shortcuts, dialogs);
    RemoveRemovalCopy(ExecutablePath(), temporary);
    return removed ? 0 : 1;
}

} // namespace

bool UseQtTranslations(const QLocale& locale) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void UseJapaneseFonts() {
    QFont font = QApplication::font();
    font.setFamilies(InstalledFamily({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", font.family()}));
    QApplication::setFont(font);
}

int RunRekko(int argc, char** argv) {
    // The handlers go in first, so a signal during start-up waits on the pipe instead of killing the process.
    const int signalPipe = InstallShutdownSignals();
    RekkoApplication application(argc, argv);
    QApplication::setApplicationName("Rekko");
    // The program ends when the main window says so, not when its last window goes out of sight: resident, none is
    // in sight.
    QApplication::setQuitOnLastWindowClosed(false);
    UseJapaneseFonts();
    // Qt takes the user's language from LANG (or LC_ALL, LC_MESSAGES) itself.
    UseQtTranslations(QLocale::system());
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());

    // The removal commands come before the single-instance check and before any file is written: the program
    // removes itself, it does not wake a running instance.
    if (const RemovalCommand removal = RemovalCommandOf(arguments); removal != RemovalCommand::None)
        return RunRemoval(removal, arguments);

    // Before the single-instance check: its setup marker is looked for in the working folder.
    XdgSpecialFolders folders;
    const ProgramPlace place = LocateProgram(ExecutablePath(), folders);
    // Without its own folder the program still runs, in the folder it was started in.
    if (!EnterWorkingFolder(place, kHolidayFileName))
        std::fprintf(stderr, "Rekko: cannot enter %s\n", place.programFolder.c_str());

    // The help key works from the first box on.
    const HelpKey help(place.shippedFolder);

    std::unique_ptr<InstanceEndpoint> endpoint;
    HeldNotices notices;
    StartVerdict verdict = StartVerdict::Quit;
    bool startMarker = false;
    {
        // Checking and claiming the name happen under one lock, so of two starts at the same instant the second
        // finds the first's endpoint and wakes it.
        const auto runtime = RuntimeFolder();
        std::optional<StartLock> lock;
        if (runtime)
            lock.emplace(runtime.value());
        LocalInstanceRegistry registry;
        std::error_code error;
        startMarker = std::filesystem::exists(kStartMarkerName, error);
        verdict = CheckSingleInstance(registry, notices, startMarker);
        if (verdict == StartVerdict::Run) {
            endpoint = std::make_unique<InstanceEndpoint>(kMainWindowTitle);
            // The first part that failed is said once. With the setup marker the running program keeps its endpoint.
            const Status setUp = !runtime          ? Status(runtime.error())
                                 : !lock->status() ? lock->status()
                                                   : endpoint->status();
            if (!setUp && !startMarker)
                notices.inform(InstanceSetupNotice(setUp.error()));
        }
    }
    QtDialogs entryDialogs(false);
    notices.showAll(entryDialogs);
    if (verdict == StartVerdict::Quit)
        return 0;

    // For the life of the process: a time retrieval or a sync stuck on the network may still use them while the
    // program ends.
    static SystemClock clock;
    static SystemClockSetter clockSetter;
    static LibsecretStore secrets;
    FlockFolderLock folderLock;
    QtDialogs dialogs(true);
    MainController controller(place.programFolder, folders.startup(), clock, clockSetter, dialogs,
                              folders.userData() / "rescue");
    // The start-and-stop record and the hotkeys join the shell through these ports.
    StartStopRecord record(controller.files().startStopRecord, clock, dialogs);
    MainHotkeys hotkeys(controller, dialogs);
    MainWindow window(controller, dialogs, [&dialogs](bool on) { dialogs.setUnattended(on); },
                      {record, hotkeys, folderLock}, {secrets, CalDavSyncServices()});
    dialogs.setParentWindow(&window);
    QObject::connect(&hotkeys, &MainHotkeys::pressed, &window, &MainWindow::hotkeyPressed);
    QObject::connect(endpoint.get(), &InstanceEndpoint::woken, &window, &MainWindow::wakeUp);
    // Started by a setup: the program that set this one up holds the endpoint until it ends, then this one takes it.
    if (startMarker && !endpoint->listening()) {
        auto* retry = new QTimer(&window);
        QObject::connect(retry, &QTimer::timeout, retry, [retry, &endpoint, tries = 0]() mutable {
            if (endpoint->listen() || ++tries >= kHandOverRetries)
                retry->deleteLater();
        });
        retry->start(kHandOverRetryInterval);
    }
    if (signalPipe >= 0) {
        auto* notifier = new QSocketNotifier(signalPipe, QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [signalPipe, &window] {
            DrainShutdownSignals(signalPipe);
            window.closeBySystem();
        });
    }
    // A session logout ends the program as the signals do: open boxes answered safely, everything saved.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window, &MainWindow::closeBySystem);
    // So does an error that nothing else caught, once its box has been seen.
    QObject::connect(&application, &RekkoApplication::unexpectedError, &window, &MainWindow::endAfterError,
                     Qt::QueuedConnection);
    QObject::connect(&window, &MainWindow::ended, &application, [](int exitCode) { QCoreApplication::exit(exitCode); });
    if (qEnvironmentVariableIsSet("REKKO_REPORT_FIRST_PAINT"))
        reportFirstPaintAndQuit(window);
    if (!window.start(arguments, folders.programs()))
        return 1;
    window.show();
    return QApplication::exec();
}

} // namespace rekko
