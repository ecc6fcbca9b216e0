// SPDX-License-Identifier: GPL-3.0-or-later
// The small month calendars on the offscreen platform: defaults, clicks at computed cells (the bottom-right pixel
// included), Page Down, today's and the cursor's colours and the ruled lines, read from the image pixels.
#include "controls/ui/TSeMCalendar.h"

#include <QSignalSpy>
#include <QTest>

namespace rekko {
namespace {

int32_t jd(int32_t y, int m, int d) {
    return EncodeJuliusDay(y, m, d);
}

// A parent that records the keys the calendar lets through.
class KeyCatcher : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

// May 2026 in a 184 x 125 client, today the 20th.
struct Fixture {
    KeyCatcher parent;
    TSeMCalendar calendar{jd(2026, 5, 20), &parent};
    Fixture() {
        calendar.setJuliusDay(jd(2026, 5, 1));
        const QMargins frame = calendar.contentsMargins();
        calendar.setGeometry(0, 0, 184 + frame.left() + frame.right(), 125 + frame.top() + frame.bottom());
        parent.resize(300, 200);
        parent.show();
    }
    GridRect rectOf(int32_t day) const {
        const int cell = day - calendar.model().firstVisibleDay();
        return calendar.model().geometry().cellRect(cell % 7, cell / 7 + 1);
    }
    QPoint centreOf(int32_t day) const {
        const GridRect rect = rectOf(day);
        return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2) + calendar.clientOrigin();
    }
    // The pixel at a cell's top-left corner inside its inset, away from the day number.
    QRgb cornerOf(int32_t day) const {
        const GridRect rect = rectOf(day);
        return calendar.image().pixel(rect.left + 2, rect.top + 1);
    }
};

} // namespace

class TSeMCalendarTest : public QObject {
    Q_OBJECT

private slots:
    void clicksTakeDaysOfTheMonthOnly() {
        Fixture f;
        QSignalSpy clicks(&f.calendar, &TMonthlyCalendar::clicked);
        QSignalSpy changes(&f.calendar, &TMonthlyCalendar::OnDayChange);
        QTest::mouseClick(&f.calendar, Qt::LeftButton, {}, f.centreOf(jd(2026, 5, 13)));
        QCOMPARE(f.calendar.JuliusDay(), jd(2026, 5, 13));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks[0][0].toBool(), true);
        // The day that already is the date is taken all the same.
        QTest::mouseClick(&f.calendar, Qt::LeftButton, {}, f.centreOf(jd(2026, 5, 13)));
        QCOMPARE(clicks[1][0].toBool(), true);
        // A neighbour's day and the header raise the click but take nothing.
        QTest::mouseClick(&f.calendar, Qt::LeftButton, {}, f.centreOf(jd(2026, 4, 27)));
        QTest::mouseClick(&f.calendar, Qt::LeftButton, {}, f.calendar.clientOrigin() + QPoint(40, 3));
        QCOMPARE(clicks.count(), 4);
        QCOMPARE(clicks[2][0].toBool(), false);
        QCOMPARE(clicks[3][0].toBool(), false);
        QCOMPARE(f.calendar.JuliusDay(), jd(2026, 5, 13));
        // The last pixel hits the last drawn cell, 6 June, and a jump may take it.
        f.calendar.setNeighborJump(true);
        QTest::mouseClick(&f.calendar, Qt::LeftButton, {}, f.calendar.clientOrigin() + QPoint(183, 124));
        QCOMPARE(f.calendar.JuliusDay(), jd(2026, 6, 6));
    }

    void pageDownOnTheLastOfJanuaryAndKeysPassOn() {
        Fixture f;
        f.calendar.setJuliusDay(jd(2024, 1, 31));
        f.calendar.setFocus();
        QTest::keyClick(&f.calendar, Qt::Key_PageDown);
        QCOMPARE(f.calendar.JuliusDay(), jd(2024, 2, 29));
        QTest::keyClick(&f.calendar, Qt::Key_Down);
        QCOMPARE(f.calendar.JuliusDay(), jd(2024, 3, 7));
        QTest::keyClick(&f.calendar, Qt::Key_A);
        QCOMPARE(f.parent.keys, (QList<int>{Qt::Key_PageDown, Qt::Key_Down, Qt::Key_A}));
    }

    void todayCursorAndRuledLinesInThePixels() {
        Fixture f;
        f.calendar.setColorToDay(QColor(0x8A, 0xFE, 0x81));
        QCOMPARE(QColor(f.cornerOf(jd(2026, 5, 20))), QColor(0x8A, 0xFE, 0x81));
        QCOMPARE(QColor(f.cornerOf(jd(2026, 5, 1))), f.calendar.Color());
        f.calendar.setIsCursor(true);
        QCOMPARE(QColor(f.cornerOf(jd(2026, 5, 1))), QColor(0xB9, 0xFF, 0xFF));
        f.calendar.setJuliusDay(jd(2026, 5, 20));
        QCOMPARE(QColor(f.cornerOf(jd(2026, 5, 20))), QColor(0xB9, 0xFF, 0xFF));

        const GridRect inner = f.rectOf(jd(2026, 5, 13));
        const GridRect corner = f.rectOf(jd(2026, 6, 6));
        const QImage before = f.calendar.image();
        QVERIFY(QColor(before.pixel(inner.right - 1, inner.top + 3)) != QColor(0xC0, 0xC0, 0xC0));
        f.calendar.setKeisen(true);
        const QImage& lined = f.calendar.image();
        QCOMPARE(QColor(lined.pixel(inner.right - 1, inner.top + 3)), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(QColor(lined.pixel(inner.left + 3, inner.bottom - 1)), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(QColor(lined.pixel(corner.right - 1, corner.top + 3)) != QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(QColor(lined.pixel(corner.left + 3, corner.bottom - 1)) != QColor(0xC0, 0xC0, 0xC0));
    }
};

} // namespace rekko

QTEST_MAIN(rekko::TSeMCalendarTest)
#include "TSeMCalendarTest.moc"
