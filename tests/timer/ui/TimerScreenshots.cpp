// SPDX-License-Identifier: GPL-3.0-or-later
// The timer window on an X server with a window manager (openbox): screenshots of the setting, waiting and alert
// states for a person to look at, and the alert raised above an active window without taking the focus.
#include "timer/ui/TimerWindow.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace rekko {
namespace {

using test::FakeClock;
using test::ScriptedDialogs;

constexpr CalendarDate kDay{2026, 5, 20};

LocalDateTime at(int hour, int minute, int second = 0) {
    return EncodeDateTime(kDay, {hour, minute, second});
}

// Runs xprop and returns its output.
QString xprop(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start("xprop", arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The X window of a top-level widget. Changing the window flags makes a new one, which QWidget::winId() does not
// report.
QString windowId(const QWidget& window) {
    return QString("0x%1").arg(window.windowHandle()->winId(), 0, 16);
}

class TimerScreenshots : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        m_folder = QDir(qEnvironmentVariable("REKKO_SCREENSHOT_DIR", "screenshots"));
        QVERIFY(QDir().mkpath(m_folder.path()));
        m_windowManager.start("openbox", {"--sm-disable"});
        QVERIFY2(m_windowManager.waitForStarted(5000), "openbox did not start");
        QTRY_VERIFY_WITH_TIMEOUT(xprop({"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"), 10000);
    }

    void cleanupTestCase() {
        m_windowManager.terminate();
        m_windowManager.waitForFinished(5000);
    }

    void settingWaitingAndAlert() {
        FakeClock clock(at(14, 0, 30));
        ScriptedDialogs dialogs;
        TimerWindow window(clock, dialogs, CountdownTimer(at(9, 0), 3), TimerWindowMode::Setting);
        window.move(120, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const TimerControls& c = window.controls();
        c.hourButtons[15]->click();
        c.minuteButtons[0]->click();
        QTest::qWait(300);
        save(window.grab(), "timer-setting.png");

        c.startStopButton->click();
        QCOMPARE(window.state(), TimerWindowState::Waiting);
        QTRY_COMPARE(window.width(), 515);
        QTest::qWait(300);
        save(window.grab(), "timer-waiting.png");

        // Another window takes the focus and covers the timer window.
        QWidget other;
        other.setWindowTitle("other");
        other.setAutoFillBackground(true);
        QPalette palette = other.palette();
        palette.setColor(QPalette::Window, QColor(0xFF, 0xE0, 0x40));
        other.setPalette(palette);
        other.setGeometry(60, 60, 900, 700);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        QTest::qWait(300);
        const QPoint position = window.pos();

        clock.set(at(14, 57, 20));
        QTRY_COMPARE_WITH_TIMEOUT(window.state(), TimerWindowState::Alert, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(xprop({"-id", windowId(window), "_NET_WM_STATE"}).contains("_NET_WM_STATE_ABOVE"),
                                 3000);
        QTest::qWait(500);
        QVERIFY(window.isVisible());
        QCOMPARE(window.pos(), position);
        // The alert did not take the focus from the window the user works in.
        const QString active = xprop({"-root", "_NET_ACTIVE_WINDOW"});
        QVERIFY2(active.contains(windowId(other)), qPrintable(active));
        QVERIFY(other.isActiveWindow());

        // Above the other window: the page's background shows where the yellow window would be.
        const QRect frame = window.frameGeometry().united(other.frameGeometry()).adjusted(-10, -10, 10, 10);
        const QImage screen =
            window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
        save(QPixmap::fromImage(screen), "timer-alert.png");
        const QPoint inside = window.mapToGlobal(QPoint(window.width() - 20, window.height() / 2)) - frame.topLeft();
        QVERIFY(QColor(screen.pixel(inside)) != palette.color(QPalette::Window));
        const QPoint uncovered = other.mapToGlobal(QPoint(850, 650)) - frame.topLeft();
        QCOMPARE(QColor(screen.pixel(uncovered)), palette.color(QPalette::Window));
    }

private:
    void save(const QPixmap& picture, const char* name) {
        const QString path = m_folder.filePath(name);
        QVERIFY(picture.save(path));
        qInfo("saved %s", qPrintable(path));
    }

    QDir m_folder;
    QProcess m_windowManager;
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::TimerScreenshots)
#include "TimerScreenshots.moc"
