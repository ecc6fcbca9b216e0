// SPDX-License-Identifier: GPL-3.0-or-later
// Flow tests on a real X11 desktop (Xvfb with openbox, the xcb platform): input through xdotool as a user gives it,
// a script thread that waits for windows while the program's own thread runs its menus and modal dialogs, and
// Rekko itself as a process.
#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWidget>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <type_traits>
#include <unistd.h>

namespace rekko::test {

// The main of a flow-test program: waits for the window manager that tests/support/own-display starts, then runs the
// GoogleTest cases. Started with "--other-application" it only shows a plain window, as another program would.
int RunDesktopTests(int argc, char** argv);

// Runs script on a thread of its own while this (the GUI) thread keeps handling events, so that the menus and modal
// dialogs the script's input opens run as they do for a user. Windows left open are closed when the script ends.
void Drive(const std::function<void()>& script);

// From the script: runs f on the GUI thread and returns its result.
template <class F> auto OnGui(F f) {
    using Result = std::invoke_result_t<F>;
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        return f();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), f, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

// From the script: checks condition on the GUI thread every 20 ms until it holds; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// From the script: waits until a modal window of this process (a box, a dialog) shows and has the focus.
bool WaitUntilModalActive(int timeoutMs = 5000);

// Input as the X server delivers it. Points are screen positions; buttons 1 left, 3 right; keys in xdotool's names
// ("ctrl+Right", "Return").
void Xdotool(const QStringList& arguments);
void MoveMouse(QPoint at);
void PressButton(QPoint at, int button);
void ReleaseButton(QPoint at, int button);
void Click(QPoint at, int button = 1);
void DoubleClick(QPoint at);
void Keys(const QString& keys);
void TypeText(const QString& text);

// The screen position of a point inside a widget, or of its centre (read on the GUI thread).
QPoint OnScreen(const QWidget* widget, QPoint inside);
QPoint CentreOnScreen(const QWidget* widget);

// The X window ids of the visible windows of a process whose title matches a regular expression; waits until such
// a window shows and returns its id, or an empty text after timeoutMs.
QStringList FindWindows(qint64 pid, const QString& titlePattern);
QString WaitForWindow(qint64 pid, const QString& titlePattern, int timeoutMs = 10000);

// The X window id of the window that has the focus; waits until the window with that id has it (false after timeoutMs).
QString ActiveWindow();
bool WaitUntilWindowActive(const QString& window, int timeoutMs = 5000);

// Another application with one plain window, for moving the focus away from the program; ended on destruction.
class OtherApplication {
public:
    OtherApplication();
    ~OtherApplication();
    bool waitUntilActive(); // answers whether its window is shown and has the focus

private:
    QProcess m_process;
};

// The real Rekko program copied into a temporary program folder and started in a data folder (its current
// directory, where the data lives without a data folder setting) that holds an empty period file and memo, so that
// the start asks nothing; on this desktop with a private home and runtime folder.
class RekkoProcess {
public:
    explicit RekkoProcess(const std::filesystem::path& executable);
    ~RekkoProcess();

    const std::filesystem::path& dataFolder() const { return m_data; }
    const std::filesystem::path& programFolder() const { return m_program; }
    std::filesystem::path home() const { return m_root / "home"; }
    // Starts the program and waits for its main window, which is then active; false when it did not come.
    bool start(const QStringList& arguments = {});
    // Starts the program without waiting (boxes may come before the main window).
    bool launch(const QStringList& arguments = {});
    // Waits for the main window and activates it; false when it did not come.
    bool waitForMainWindow();
    // Sets a variable of the program's environment for the next start (the runtime folder).
    void setEnvironment(const QString& name, const QString& value) { m_environment.insert(name, value); }
    // Runs the program as the user "nobody" when the test runs as root, whom folder permissions do not bind.
    void runAsNobodyUnderRoot() { m_asNobody = ::geteuid() == 0; }
    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    const QString& mainWindow() const { return m_mainWindow; } // its X window id
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }
    void signal(int number) const { ::kill(static_cast<pid_t>(pid()), number); }
    // Opens day 1 of this month through the day entry (Ctrl+L) and types a line into the schedule dialog; false
    // when the dialog did not take the focus.
    bool typeLineOnThe1st(const QString& text);
    // Types the line and writes it with Ctrl+Enter; false unless the main window has the focus again.
    bool writeLineOnThe1st(const QString& text);
    // Waits for the end; answers the exit code, -1 when it did not end normally in time. Terminate sends SIGTERM first.
    int waitForEnd();
    int terminate();

private:
    std::filesystem::path m_root, m_program, m_data;
    QProcess m_process;
    QProcessEnvironment m_environment;
    QString m_mainWindow;
    bool m_asNobody = false;
};

} // namespace rekko::test
