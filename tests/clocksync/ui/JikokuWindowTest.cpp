// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-correction settings window offscreen: what it shows of section Jikoku, editing the set time, what it
// writes and gives the main window on closing, a connection test against a loopback page, and its refusals.
#include "clocksync/ui/JikokuWindow.h"

#include "FakeClock.h"
#include "LoopbackHttpServer.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "base/TextFile.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace rekko {
namespace {

struct RecordedView : RetrievalView {
    std::vector<bool> shown;
    void showRetrieval(bool running) override { shown.push_back(running); }
};

// A window over a settings file and an access log in a temporary folder, on 2002-12-05 at 13:21:27.
struct Fixture {
    test::TempDir dir;
    test::FakeClock clock{CalendarDate{2002, 12, 5}, TimeOfDay{13, 21, 27}};
    test::FakeClockSetter setter;
    test::ScriptedDialogs dialogs;
    RecordedView view;
    ClockCorrectionSettings schedule{.pTChien = 90};

    JikokuWindowParts parts() {
        return {dir / "Sorel.ini", dir / "Jikoku.txt", clock, setter, dialogs, view, schedule};
    }
    std::vector<std::string> lines(const char* name) const {
        const auto text = ReadTextFile(dir / name);
        return text.ok() ? text.value().lines() : std::vector<std::string>{};
    }
    bool has(const char* name, const std::string& line) const {
        const auto all = lines(name);
        return std::find(all.begin(), all.end(), line) != all.end();
    }
};

template <class T> T* Find(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

class JikokuWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheSectionEditsTheSetTimeAndGivesTheScheduleBack() {
        Fixture f;
        f.dir.write("Sorel.ini", "[Jikoku]\r\nActivePage=5\r\nedtWebSV1=http://127.0.0.1:1/\r\nvTime=0730xx\r\n"
                                 "cbYoubi=3\r\nudGosa=45\r\nedtProxy=proxy\r\n");
        f.dir.write("Jikoku.txt", "\r\n[ 2002/12/04(水) 09:00:00 ]\r\nthe last line\r\n");
        JikokuWindow window(f.parts());
        window.show();
        auto* pages = Find<QTabWidget>(window, "PageControl1");
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->currentIndex(), 2);
        QVERIFY(Find<QPlainTextEdit>(window, "memAccess")->toPlainText().endsWith("the last line"));
        QVERIFY(Find<QRadioButton>(window, "rbWebSV1")->isEnabled());
        QVERIFY(!Find<QRadioButton>(window, "rbWebSV2")->isEnabled());
        QVERIFY(!Find<QRadioButton>(window, "rbTamaru2")->isEnabled());
        QCOMPARE(Find<QSpinBox>(window, "udChien")->value(), 90);
        QCOMPARE(Find<QSpinBox>(window, "udGosa")->value(), 45);

        auto* hour = Find<QSpinBox>(window, "edtHour");
        auto* minute = Find<QSpinBox>(window, "edtMinute");
        auto* edit = Find<QPushButton>(window, "btnTimeEdit");
        auto* decide = Find<QPushButton>(window, "btnDecide");
        QCOMPARE(hour->text() + minute->text(), QString("0730"));
        QVERIFY(!hour->isEnabled());
        QVERIFY(!edit->isEnabled()); // only for the set-time schedule
        pages->setCurrentIndex(0);
        Find<QRadioButton>(window, "rbShitei")->click();
        QVERIFY(edit->isEnabled());
        edit->click();
        QVERIFY(hour->isEnabled() && decide->isVisible() && !edit->isVisible());
        hour->setValue(0);
        hour->stepBy(-1);
        QCOMPARE(hour->value(), 23); // the spinners wrap
        minute->findChild<QLineEdit*>()->clear();
        f.dialogs.expect(DialogAnswer::Ok, "時刻が正しくありません。");
        decide->click();
        QVERIFY(hour->isEnabled()); // still editing
        minute->setValue(15);
        decide->click();
        QVERIFY(!hour->isEnabled() && edit->isVisible());

        window.accept();
        QVERIFY(f.has("Sorel.ini", "vTime=231500"));
        QVERIFY(f.has("Sorel.ini", "rbShitei=1"));
        QVERIFY(f.has("Sorel.ini", "ActivePage=0"));
        QVERIFY(f.has("Sorel.ini", "edtProxy=proxy"));
        QCOMPARE(f.schedule.pTAccess, 2);
        QCOMPARE(f.schedule.pTTime, std::string("231500"));
        QCOMPARE(f.schedule.pTYoubi, 3);
        QCOMPARE(f.schedule.pTChien, 90);
    }

    // The test waits for the page while the window goes on handling events; it cannot be closed meanwhile.
    void aConnectionTestLogsItsEntryWhileTheWindowStaysOpen() {
        using namespace std::chrono_literals;
        test::LoopbackHttpServer server;
        server.answer([](test::LoopbackConnection& connection) {
            if (connection.pause(500ms))
                connection.send(test::TimePageAnswer("Thu Dec 5 13:21:30 2002"));
        });
        Fixture f;
        f.dir.write("Sorel.ini", "[Jikoku]\r\nrbJapan=0\r\nrbWebSV1=1\r\nedtWebSV1=" + server.address("/t") + "\r\n");
        JikokuWindow window(f.parts());
        window.show();
        bool openDuringTest = false;
        QTimer::singleShot(150, &window, [&] {
            window.reject();
            openDuringTest = window.isVisible() && f.view.shown == std::vector<bool>{true};
        });
        QTest::mouseClick(Find<QPushButton>(window, "btnSetuzokuTest"), Qt::LeftButton);
        QVERIFY(openDuringTest);
        QCOMPARE(f.view.shown, (std::vector<bool>{true, false}));
        QVERIFY(f.setter.set_.empty());
        const std::vector<std::string> entry = {"接続テストのみ実施",
                                                "現在の時刻は、取得した時刻より 3.70 秒遅れていました。"};
        const auto log = f.lines("Jikoku.txt");
        QVERIFY(log.size() == 4 && std::equal(entry.begin(), entry.end(), log.end() - 2));
        QVERIFY(Find<QLabel>(window, "lblMessage")->text().endsWith(QString::fromStdString(entry[1])));
        QVERIFY(Find<QStatusBar>(window, "StatusBar1")->currentMessage().startsWith("　時刻の取得に成功しました "));
        window.reject();
        QVERIFY(!window.isVisible());
    }

    void saysWhereTheClockCannotBeSetAndDoesNotOpenDuringARetrieval() {
        Fixture f;
        f.setter.how = ClockAccess::None;
        {
            JikokuWindow window(f.parts());
            QVERIFY(JikokuWindow::isOpen());
            QTRY_COMPARE(Find<QStatusBar>(window, "StatusBar1")->currentMessage(),
                         QStringLiteral("この環境では内蔵時計を修正できません。時刻の差だけを記録します。"));
            window.reject();
        }
        QVERIFY(!JikokuWindow::isOpen());
        f.dialogs.expect(DialogAnswer::Ok, "時刻取得中です。\r\n時間をおいてクリックしてください。");
        JikokuWindow::open(f.parts(), true, nullptr);
        QVERIFY(!JikokuWindow::isOpen());
    }
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::JikokuWindowTest)
#include "JikokuWindowTest.moc"
