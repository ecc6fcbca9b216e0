// SPDX-License-Identifier: GPL-3.0-or-later
// The timer window and its host offscreen: fields and buttons, stopping and closing, lending the timer.
#include "timer/ui/TimerWindowHost.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"

#include <QSignalSpy>
#include <QTest>

namespace rekko {
namespace {

constexpr CalendarDate kDay{2026, 5, 20};

const auto at = [](int hour, int minute, int second = 0) { return EncodeDateTime(kDay, {hour, minute, second}); };

QStringList texts(const TimerControls& c) {
    return {c.fields[0]->text(), c.fields[1]->text(), c.fields[2]->text()};
}

class TimerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }

    void fieldsFollowButtonsAndSpinners() {
        test::FakeClock clock(at(23, 59, 0));
        test::ScriptedDialogs dialogs;
        TimerWindow window(clock, dialogs, CountdownTimer(), TimerWindowMode::Setting);
        window.show();
        const TimerControls& c = window.controls();
        emit c.upDowns[1]->stepped(1);
        QCOMPARE(texts(c), (QStringList{"0", "0", "0"}));
        c.hourButtons[7]->click();
        c.minuteButtons[11]->click();
        QCOMPARE(texts(c), (QStringList{"7", "55", "0"}));
        QCOMPARE((std::pair<int, int>(c.setClock->hour(), c.setClock->min())), std::pair(7, 55));
        clock.set(at(16, 20, 33));
        c.nowButton->click();
        QCOMPARE(texts(c), (QStringList{"16", "20", "0"}));

        // A field left empty becomes 0.
        c.fields[2]->setFocus();
        c.fields[2]->selectAll();
        QTest::keyClick(c.fields[2], Qt::Key_Backspace);
        QCOMPARE(c.fields[2]->text(), QString());
        QTest::keyClick(c.fields[2], Qt::Key_Return);
        QCOMPARE(c.fields[2]->text(), QString("0"));
    }

    void stopReturnsToSettingAndClosingThereAsks() {
        test::FakeClock clock(at(10, 0));
        test::ScriptedDialogs dialogs;
        CountdownTimer armed(at(9, 0), 3);
        armed.arm(11 * 3'600'000);
        TimerWindow window(clock, dialogs, armed, TimerWindowMode::Setting);
        window.show();
        const TimerControls& c = window.controls();
        QCOMPARE(window.state(), TimerWindowState::Waiting);
        QCOMPARE(texts(c), (QStringList{"11", "0", "0"}));
        c.startStopButton->click();
        QCOMPARE(std::pair(window.state(), window.width()), std::pair(TimerWindowState::Setting, 782));
        QVERIFY(c.fields[0]->isEnabled() && c.twoTouch->isVisible());
        QCOMPARE(window.focusWidget(), c.fields[0]);
        QVERIFY(!window.displayTimer()->isActive());

        dialogs.expect(DialogAnswer::No);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        dialogs.expect(DialogAnswer::Yes);
        c.closeButton->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(dialogs.shown().size(), size_t{2});
        QVERIFY(!window.timer().armed());
    }

    void hostLendsTheTimerAndTakesItBack() {
        test::FakeClock clock(at(10, 0));
        test::ScriptedDialogs dialogs;
        QWidget mainWindow;
        CountdownTimer timer(at(9, 0), 3);
        TimerWindowHost host(timer, clock, dialogs, &mainWindow);
        QSignalSpy armed(&host, &TimerWindowHost::armedChanged);
        host.openSetting();
        QVERIFY(host.window() && host.window()->isVisible());
        QCOMPARE(host.window()->windowModality(), Qt::ApplicationModal);
        host.window()->controls().fields[0]->setText("11");
        host.window()->controls().noticeList->setCurrentIndex(5);
        host.window()->controls().startStopButton->click();
        QVERIFY(!timer.armed()); // lent to the window while it is open
        host.window()->controls().closeButton->click();
        QTRY_VERIFY(!host.window());
        QCOMPARE(std::tuple(timer.armed(), timer.setTime(), timer.notice(), armed.last().at(0).toBool()),
                 std::tuple(true, 11 * 3'600'000, 5, true));

        host.switchFunction(false);
        QVERIFY(!timer.armed() && !armed.last().at(0).toBool());
    }
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::TimerWindowTest)
#include "TimerWindowTest.moc"
