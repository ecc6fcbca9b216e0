// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 desktop of the flow tests: window manager, script thread, xdotool input, window lookup, Rekko as a process.
#include "Desktop.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace rekko::test {

namespace {

constexpr const char* kOtherApplicationSwitch = "--other-application";
constexpr const char* kOtherApplicationTitle = "other application";

// Runs xdotool and returns its standard output; empty when it failed.
QString xdotoolOutput(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool windowManagerRuns() {
    // Openbox, like every window manager of the freedesktop rules, publishes the number of desktops.
    return !xdotoolOutput({"get_num_desktops"}).isEmpty();
}

int showOtherApplication(QApplication& application) {
    QWidget window;
    window.setWindowTitle(kOtherApplicationTitle);
    window.resize(320, 200);
    window.show();
    return application.exec();
}

QString point(int value) {
    return QString::number(value);
}

// Checks condition every 20 ms until it holds; false after timeoutMs.
bool poll(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

int RunDesktopTests(int argc, char** argv) {
    QApplication application(argc, argv);
    if (QApplication::arguments().contains(kOtherApplicationSwitch))
        return showOtherApplication(application);
    ::testing::InitGoogleTest(&argc, argv);
    // tests/support/own-display --wm starts the window manager beside this program.
    if (!poll(windowManagerRuns, 10000)) {
        std::fputs("no window manager: openbox did not start\n", stderr);
        return 1;
    }
    return RUN_ALL_TESTS();
}

void Drive(const std::function<void()>& script) {
    std::atomic<bool> done = false;
    std::thread worker([&] {
        script();
        done = true;
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!done)
            return;
        // What the script left open would keep its event loop running: close it.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->done(QDialog::Rejected);
        loop.quit();
    });
    poll.start(10);
    loop.exec();
    worker.join();
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    return poll([&] { return OnGui(condition); }, timeoutMs);
}

bool WaitUntilModalActive(int timeoutMs) {
    return WaitUntil(
        [] {
            QWidget* modal = QApplication::activeModalWidget();
            return modal && modal->isActiveWindow();
        },
        timeoutMs);
}

void Xdotool(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    EXPECT_TRUE(process.waitForFinished(10000) && process.exitCode() == 0) << arguments.join(' ').toStdString();
}

void MoveMouse(QPoint at) {
    Xdotool({"mousemove", point(at.x()), point(at.y())});
}

void PressButton(QPoint at, int button) {
    Xdotool({"mousemove", point(at.x()), point(at.y()), "mousedown", point(button)});
}

void ReleaseButton(QPoint at, int button) {
    Xdotool({"mousemove", point(at.x()), point(at.y()), "mouseup", point(button)});
}

void Click(QPoint at, int button) {
    Xdotool({"mousemove", point(at.x()), point(at.y()), "click", point(button)});
}

void DoubleClick(QPoint at) {
    Xdotool({"mousemove", point(at.x()), point(at.y()), "click", "--repeat", "2", "--delay", "60", "1"});
}

void Keys(const QString& keys) {
    Xdotool(QStringList{"key", "--delay", "30"} + keys.split(' ', Qt::SkipEmptyParts));
}

void TypeText(const QString& text) {
    Xdotool({"type", "--delay", "20", text});
}

QPoint OnScreen(const QWidget* widget, QPoint inside) {
    return OnGui([&] { return widget->mapToGlobal(inside); });
}

QPoint CentreOnScreen(const QWidget* widget) {
    return OnGui([&] { return widget->mapToGlobal(widget->rect().center()); });
}

QStringList FindWindows(qint64 pid, const QString& titlePattern) {
    QStringList arguments{"search", "--all", "--onlyvisible"};
    if (pid > 0)
        arguments << "--pid" << QString::number(pid);
    arguments << "--name" << titlePattern;
    return xdotoolOutput(arguments).split('\n', Qt::SkipEmptyParts);
}

QString WaitForWindow(qint64 pid, const QString& titlePattern, int timeoutMs) {
    QStringList found;
    poll([&] { return !(found = FindWindows(pid, titlePattern)).isEmpty(); }, timeoutMs);
    return found.value(0);
}

QString ActiveWindow() {
    return xdotoolOutput({"getactivewindow"});
}

bool WaitUntilWindowActive(const QString& window, int timeoutMs) {
    return !window.isEmpty() && poll([&] { return ActiveWindow() == window; }, timeoutMs);
}

OtherApplication::OtherApplication() {
    m_process.start(QCoreApplication::applicationFilePath(), {kOtherApplicationSwitch});
}

OtherApplication::~OtherApplication() {
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool OtherApplication::waitUntilActive() {
    const QString window = WaitForWindow(m_process.processId(), QString("^%1$").arg(kOtherApplicationTitle));
    if (window.isEmpty())
        return false;
    Xdotool({"windowactivate", window});
    return WaitUntilWindowActive(window);
}

RekkoProcess::RekkoProcess(const std::filesystem::path& executable) {
    char pattern[] = "/tmp/rekko-flow.XXXXXX";
    m_root = ::mkdtemp(pattern);
    m_program = m_root / "program";
    m_data = m_root / "data";
    for (const auto& folder : {m_program, m_data, m_root / "home", m_root / "run"})
        std::filesystem::create_directories(folder);
    std::filesystem::permissions(m_root / "run", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(executable, m_program / "Rekko");
}

RekkoProcess::~RekkoProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

bool RekkoProcess::start(const QStringList& arguments) {
    return launch(arguments) && waitForMainWindow();
}

bool RekkoProcess::launch(const QStringList& arguments) {
    QProcessEnvironment environment = m_environment;
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString((m_root / "run").string()));
    environment.insert("HOME", QString::fromStdString((m_root / "home").string()));
    environment.remove("XDG_CONFIG_HOME");
    environment.remove("XDG_DATA_HOME");
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(QString::fromStdString(m_data.string()));
    m_process.start(QString::fromStdString((m_program / "Rekko").string()), arguments);
    return m_process.waitForStarted(10000);
}

bool RekkoProcess::waitForMainWindow() {
    m_mainWindow = WaitForWindow(pid(), "^Rekko - Rekko -$", 20000);
    if (m_mainWindow.isEmpty())
        return false;
    Xdotool({"windowactivate", m_mainWindow});
    return WaitUntilWindowActive(m_mainWindow);
}

int RekkoProcess::terminate() {
    ::kill(static_cast<pid_t>(pid()), SIGTERM);
    if (!m_process.waitForFinished(10000) || m_process.exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process.exitCode();
}

} // namespace rekko::test
