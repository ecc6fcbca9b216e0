// SPDX-License-Identifier: GPL-3.0-or-later
// The timer window under Xvfb and openbox: screenshots, and the alert above another program without the focus.
#include "timer/ui/TimerWindowHost.h"

#include "FakeClock.h"
#include "Pictures.h"
#include "ScriptedDialogs.h"
#include "X11Desktop.h"

#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace rekko {
namespace {

constexpr CalendarDate kDay{2026, 5, 20};
const QColor kOtherColour(0xFF, 0xE0, 0x40);

const auto at = [](int hour, int minute, int second = 0) { return EncodeDateTime(kDay, {hour, minute, second}); };

// Runs an X tool and returns what it printed.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The window manager's state of a top-level widget's X window. Changing the window flags makes a new window, which
// QWidget::winId() does not report.
QString windowState(const QWidget& window, const char* property) {
    return run("xprop", {"-id", QString("0x%1").arg(window.windowHandle()->winId(), 0, 16), property});
}

bool activeWindowIs(const QString& id) {
    return run("xprop", {"-root", "_NET_ACTIVE_WINDOW"}).endsWith(id);
}

bool isAbove(const QWidget& window) {
    return windowState(window, "_NET_WM_STATE").contains("_NET_WM_STATE_ABOVE");
}

// The window of another program the user works in: a yellow xmessage, active.
struct OtherProgram {
    OtherProgram() {
        process.start("xmessage",
                      {"-title", "other", "-bg", kOtherColour.name(), "-geometry", "900x700+60+60", "another program"});
        const QString found = run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^other$"});
        id = QString("0x%1").arg(found.split('\n').first().toULongLong(), 0, 16);
        run("xdotool", {"windowactivate", "--sync", found.split('\n').first()});
    }
    ~OtherProgram() {
        process.kill();
        process.waitForFinished(5000);
    }
    QProcess process;
    QString id;
};

class TimerScreenshots : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        QVERIFY2(test::WaitForWindowManager(), "no window manager");
    }

    void settingWaitingAndAlert() {
        test::FakeClock clock(at(14, 0, 30));
        test::ScriptedDialogs dialogs;
        TimerWindow window(clock, dialogs, CountdownTimer(at(9, 0), 3), TimerWindowMode::Setting);
        window.move(120, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, 20000));
        const TimerControls& c = window.controls();
        c.hourButtons[15]->click();
        c.minuteButtons[0]->click();
        QTest::qWait(300);
        test::SaveScreenshot(window, "timer-setting");

        c.startStopButton->click();
        QCOMPARE(window.state(), TimerWindowState::Waiting);
        QTRY_COMPARE(window.width(), 515);
        QVERIFY(!c.fields[0]->isEnabled() && !c.upDowns[0]->isVisible() && !c.twoTouch->isVisible() &&
                !c.nowButton->isVisible());
        QCOMPARE((QStringList{c.stateLabel->text(), c.countdownLine->text(), c.noticeLine->text()}),
                 (QStringList{"タイマー作動中", "設定時刻まで、1 時間 0 分", "（ ３分前に通知します ）"}));
        QCOMPARE(window.windowModality(), Qt::ApplicationModal);
        QTest::qWait(300);
        test::SaveScreenshot(window, "timer-waiting");

        // The user turns to another program, whose window covers the timer window.
        OtherProgram other;
        QTRY_VERIFY(activeWindowIs(other.id));
        const QPoint position = window.pos();

        clock.set(at(14, 57));
        QTRY_COMPARE_WITH_TIMEOUT(window.state(), TimerWindowState::Alert, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(isAbove(window), 3000);
        QTest::qWait(500);
        QVERIFY(window.isVisible());
        QCOMPARE(window.pos(), position);
        QVERIFY2(activeWindowIs(other.id), "the alert took the focus");
        QCOMPARE(window.windowModality(), Qt::NonModal);
        QCOMPARE(window.width(), 515);
        QVERIFY(!c.startStopButton->isVisible() && !c.countdownLine->isVisible() && !c.noticeLine->isVisible());
        QCOMPARE((QStringList{c.stateLabel->text(), c.statusLine->text()}),
                 (QStringList{"設定された時刻になりました。", "設定時刻、3 分前です"}));
        QCOMPARE(window.focusWidget(), c.closeButton);
        QVERIFY(!window.timer().armed());

        // Above the other window: the page shows where the yellow window would be.
        const QRect area(40, 40, 940, 740);
        const QImage screen = window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        QVERIFY(screen.save(qEnvironmentVariable("REKKO_SCREENSHOT_DIR", "screenshots") + "/timer-alert.png"));
        const QPoint inside = window.mapToGlobal(QPoint(window.width() - 20, window.height() / 2)) - area.topLeft();
        QVERIFY(QColor(screen.pixel(inside)) != kOtherColour);
        QCOMPARE(QColor(screen.pixel(QPoint(900, 700))), kOtherColour);
        // Closing the alert asks nothing.
        c.closeButton->click();
        QVERIFY(!window.isVisible());
    }

    void alertFromTheTickOpensAboveWithoutFocusWhileResident() {
        test::FakeClock clock(at(11, 58));
        test::ScriptedDialogs dialogs;
        QWidget mainWindow; // hidden, as when the program is resident
        OtherProgram other;
        QTRY_VERIFY(activeWindowIs(other.id));

        CountdownTimer timer(at(9, 0), 3);
        timer.arm(12 * 3'600'000);
        TimerWindowHost host(timer, clock, dialogs, &mainWindow);
        QVERIFY(timer.checkAlarm(clock.now(), host));
        QTRY_VERIFY(host.window() && host.window()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(host.window(), 20000));
        QTRY_VERIFY_WITH_TIMEOUT(isAbove(*host.window()), 3000);
        QTest::qWait(300);
        QVERIFY2(activeWindowIs(other.id), "the alert took the focus");
        host.window()->controls().closeButton->click();
        QTRY_VERIFY(!host.window());
    }
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::TimerScreenshots)
#include "TimerScreenshots.moc"
