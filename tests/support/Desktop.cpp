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
#include <fstream>
#include <optional>
#include <pwd.h>
#include <thread>

namespace rekko::test {

namespace {

constexpr const char* kOtherApplicationSwitch = "--other-application";
constexpr const char* kOtherApplicationTitle = "other application";

// Runs xdotool and returns its standard output; nothing when it failed.
std::optional<QString> xdotool(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
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

// Moves the mouse to a point, then gives the further xdotool commands there.
void AtPoint(QPoint at, const QStringList& then) {
    Xdotool(QStringList{"mousemove", QString::number(at.x()), QString::number(at.y())} + then);
}

} // namespace

int RunDesktopTests(int argc, char** argv) {
    QApplication application(argc, argv);
    if (QApplication::arguments().contains(kOtherApplicationSwitch)) {
        QWidget window;
        window.setWindowTitle(kOtherApplicationTitle);
        window.resize(320, 200);
        window.show();
        return application.exec();
    }
    ::testing::InitGoogleTest(&argc, argv);
    // tests/support/own-display --wm starts the window manager beside this program. Openbox, like every window
    // manager of the freedesktop rules, publishes the number of desktops.
    if (!poll([] { return !xdotool({"get_num_desktops"}).value_or("").isEmpty(); }, 10000)) {
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
    EXPECT_TRUE(xdotool(arguments)) << arguments.join(' ').toStdString();
}

void MoveMouse(QPoint at) {
    AtPoint(at, {});
}

void PressButton(QPoint at, int button) {
    AtPoint(at, {"mousedown", QString::number(button)});
}

void ReleaseButton(QPoint at, int button) {
    AtPoint(at, {"mouseup", QString::number(button)});
}

void Click(QPoint at, int button) {
    AtPoint(at, {"click", QString::number(button)});
}

void DoubleClick(QPoint at) {
    AtPoint(at, {"click", "--repeat", "2", "--delay", "60", "1"});
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
    const QStringList byPid = pid > 0 ? QStringList{"--pid", QString::number(pid)} : QStringList{};
    return xdotool(QStringList{"search", "--all", "--onlyvisible"} + byPid + QStringList{"--name", titlePattern})
        .value_or("")
        .split('\n', Qt::SkipEmptyParts);
}

QString WaitForWindow(qint64 pid, const QString& titlePattern, int timeoutMs) {
    QStringList found;
    poll([&] { return !(found = FindWindows(pid, titlePattern)).isEmpty(); }, timeoutMs);
    return found.value(0);
}

QString ActiveWindow() {
    return xdotool({"getactivewindow"}).value_or("");
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
    return !window.isEmpty() && (Xdotool({"windowactivate", window}), WaitUntilWindowActive(window));
}

RekkoProcess::RekkoProcess(const std::filesystem::path& executable) {
    char pattern[] = "/tmp/rekko-flow.XXXXXX";
    m_root = ::mkdtemp(pattern);
    m_program = m_root / "program";
    m_data = m_root / "data";
    for (const auto& folder : {m_program, m_data, home(), m_root / "run"})
        std::filesystem::create_directories(folder);
    std::filesystem::permissions(m_root / "run", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(executable, m_program / "Rekko");
    std::ofstream(m_data / "CaFromTo.myc", std::ios::binary) << "***** FromTo\x97\x5c\x92\xe8\r\n";
    std::ofstream(m_data / "CaMemo.myc", std::ios::binary) << "";
}

RekkoProcess::~RekkoProcess() {
    if (running()) {
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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString((m_root / "run").string()));
    environment.insert("HOME", QString::fromStdString(home().string()));
    environment.remove("XDG_CONFIG_HOME");
    environment.remove("XDG_DATA_HOME");
    environment.insert(m_environment);
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(QString::fromStdString(m_data.string()));
    const QString program = QString::fromStdString((m_program / "Rekko").string());
    if (const passwd* nobody = m_asNobody ? ::getpwnam("nobody") : nullptr) {
        std::filesystem::permissions(m_root, std::filesystem::perms(0755));
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root))
            ::lchown(entry.path().c_str(), nobody->pw_uid, nobody->pw_gid);
        m_process.start("setpriv",
                        QStringList{"--reuid=" + QString::number(nobody->pw_uid),
                                    "--regid=" + QString::number(nobody->pw_gid), "--clear-groups", "--", program} +
                            arguments);
    } else {
        m_process.start(program, arguments);
    }
    return m_process.waitForStarted(10000);
}

bool RekkoProcess::waitForMainWindow() {
    m_mainWindow = WaitForWindow(pid(), "^Rekko - Rekko -$", 20000);
    return !m_mainWindow.isEmpty() && (Xdotool({"windowactivate", m_mainWindow}), WaitUntilWindowActive(m_mainWindow));
}

int RekkoProcess::waitForEnd() {
    const bool ended = !running() || m_process.waitForFinished(10000);
    return ended && m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

bool RekkoProcess::typeLineOnThe1st(const QString& text) {
    Keys("ctrl+l 1 Return");
    if (!WaitUntilWindowActive(WaitForWindow(pid(), "^Rekko -Rekko-$")))
        return false;
    TypeText(text);
    return true;
}

bool RekkoProcess::writeLineOnThe1st(const QString& text) {
    if (!typeLineOnThe1st(text))
        return false;
    Keys("ctrl+Return");
    return WaitUntilWindowActive(m_mainWindow);
}

int RekkoProcess::terminate() {
    signal(SIGTERM);
    return waitForEnd();
}

} // namespace rekko::test
