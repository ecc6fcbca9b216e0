// SPDX-License-Identifier: GPL-3.0-or-later
// The function tick and the sibling programs inside the main window over the sample data, on the offscreen platform:
// the month window moved at midnight, a grid day handed to Zunbo and the memo to Pomta.
#include "SampleWindow.h"

#include "calendar/Julius.h"

#include <QTest>

#include <fstream>

using namespace rekko;

namespace {

QStringList TabTexts(test::SampleWindow& s) {
    QStringList texts;
    for (int i = 0; i < s.window->monthPage()->monthTabs()->count(); ++i)
        texts << s.window->monthPage()->monthTabs()->tabText(i);
    return texts;
}

// Returns a point of the grid widget inside the cell of a day, found through the grid's own hit test.
QPoint OverDay(const test::SampleWindow& s, int32_t day) {
    for (int y = 0; y < s.grid()->height(); y += 4)
        for (int x = 0; x < s.grid()->width(); x += 8)
            if (const GridHit hit = s.grid()->grid().hitTest(x, y); hit.cell() >= 0 && hit.day == day)
                return QPoint(x, y) + s.grid()->contentsRect().topLeft();
    return {};
}

// A sibling program that notes each start, with its arguments, in the file "started" of the data folder.
void InstallSibling(test::SampleWindow& s, const char* name) {
    const std::filesystem::path program = s.program.path() / name;
    std::ofstream(program) << "#!/bin/sh\necho \"" << name << " $*\" >> '" << (s.data.path() / "started").string()
                           << "'\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
}

} // namespace

class MainTickTest : public QObject {
    Q_OBJECT

private slots:
    void midnightAtTheEndOfTheMonthSavesAndMovesTheMonthWindow() {
        test::SampleWindow s("", [](test::SampleWindow& w) {
            w.clock.set(EncodeDateTime({2026, 12, 31}, {23, 59, 50}));
        });
        QVERIFY(s.started);
        const QStringList before = TabTexts(s);
        QVERIFY(s.program.read("Sorel.ini").find("fmC21Top") == std::string::npos);
        // A tick before midnight changes nothing.
        s.window->tick()->tick().tick();
        QCOMPARE(TabTexts(s), before);

        s.clock.set(EncodeDateTime({2027, 1, 1}, {0, 0, 5}));
        s.window->tick()->tick().tick();
        const QStringList after = TabTexts(s);
        QCOMPARE(after.size(), before.size());
        // The window moved on by one month: the old current month is now the previous one.
        QCOMPARE(after[0], before[1]);
        QCOMPARE(after[after.size() - 2], before.last());
        QVERIFY(after.last() != before.last());
        QCOMPARE(s.grid()->grid().today(), EncodeJuliusDay(2027, 1, 1));
        QCOMPARE(s.window->monthPage()->monthTabs()->currentIndex(), 1);
        // Save all ran first; the status bar has its colour back and the tick its warm-up interval.
        QVERIFY(s.program.read("Sorel.ini").find("fmC21Top") != std::string::npos);
        QVERIFY(!s.window->status()->autoFillBackground());
        QCOMPARE(s.window->functionTimer()->interval(), 10000);
        QVERIFY(!s.window->tick()->tick().dateChangeRunning());
    }

    void theDiaryButtonHandsAGridDayToZunbo() {
        test::SampleWindow s("", [](test::SampleWindow& w) { InstallSibling(w, "Zunbo"); });
        QVERIFY(s.started);
        QPushButton* button = s.window->monthPage()->buttons().zunbo;
        button->click();
        QCOMPARE(button->text(), QString("日付指定"));
        const int32_t day = EncodeJuliusDay(2026, 12, 10);
        const QPoint at = OverDay(s, day);
        QTest::mousePress(s.grid(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(s.grid(), Qt::LeftButton, {}, at);
        QCOMPARE(button->text(), QString("Zunbo"));
        QTRY_COMPARE(QString::fromStdString(s.data.read("started")), QString("Zunbo \n"));
        // The grid did nothing else with the press: no schedule dialog, the selection where it was.
        QVERIFY(s.dialogs.shown().empty());
    }

    void thePomtaButtonHandsTheMemoToPomtaAndGoesResident() {
        test::SampleWindow s("cbEditor=1\r\ncbRekkoJ=1\r\n", [](test::SampleWindow& w) { InstallSibling(w, "Pomta"); });
        QVERIFY(s.started);
        s.window->monthPage()->buttons().memo->click();
        QTRY_COMPARE(QString::fromStdString(s.data.read("started")),
                     QString("Pomta %1\n").arg(QString::fromStdString(s.controller.files().memoFile.string())));
        QTRY_VERIFY(s.window->isMinimized() || !s.window->isVisible());
    }
};

QTEST_MAIN(MainTickTest)
#include "MainTickTest.moc"
