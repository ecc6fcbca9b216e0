// SPDX-License-Identifier: GPL-3.0-or-later
// The analogue clock widget on the offscreen platform: the Time property, following the clock port,
// pixels of dots, hands and background pictures, and sizes too small for a dial.
#include "controls/ui/TClock.h"

#include "FakeClock.h"
#include "Pictures.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace rekko {
namespace {

using test::FakeClock;

constexpr CalendarDate kDay{2026, 5, 20};

QImage rendered(TClock& clock) {
    QImage image(clock.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    clock.render(&image);
    return image;
}

// The time the clock shows, as h:mm:ss.
QString shown(const TClock& clock) {
    return QString("%1:%2:%3")
        .arg(clock.hour())
        .arg(clock.min(), 2, 10, QChar('0'))
        .arg(clock.sec(), 2, 10, QChar('0'));
}

// A clock showing 15:30:45 on a white background.
struct StillClock {
    StillClock() {
        clock.setAutoUpdate(false);
        clock.setTime(time.now());
        QPalette palette = clock.palette();
        palette.setColor(QPalette::Window, Qt::white);
        clock.setPalette(palette);
    }
    FakeClock time{kDay, {15, 30, 45}};
    TClock clock{time};
};

class TClockTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }

    // The published time is 10:10:30 until the clock is followed; Time is ignored while AutoUpdate is on.
    void timeIsIgnoredWhileFollowingTheClock() {
        FakeClock time(kDay, {8, 0, 0});
        TClock clock(time);
        QCOMPARE(shown(clock), QString("10:10:30"));
        clock.setTime(EncodeDateTime(kDay, {15, 30, 45}));
        clock.setHour(3);
        QCOMPARE(shown(clock), QString("10:10:30"));
        // Painting follows the clock port and names the time in the hint.
        rendered(clock);
        QCOMPARE(shown(clock), QString("8:00:00"));
        QCOMPARE(clock.toolTip(), QString::fromUtf8("午前 8:00:00"));

        clock.setAutoUpdate(false);
        clock.setTime(EncodeDateTime(kDay, {15, 30, 45, 900}));
        QCOMPARE(shown(clock), QString("15:30:45"));
        QCOMPARE(clock.time(), (15 * 3600 + 30 * 60 + 45) / 86400.0);
        rendered(clock);
        QCOMPARE(clock.toolTip(), QString::fromUtf8("午後 3:30:45"));
    }

    void autoUpdateTicksEverySecondAndBlackensHandsAndDots() {
        FakeClock time(kDay, {8, 0, 0});
        TClock clock(time);
        clock.setAutoUpdate(false);
        clock.setArmColor(Qt::blue);
        clock.setDotColor(Qt::green);
        QSignalSpy ticks(&clock, &TClock::clockTime);
        QTest::qWait(1200);
        QCOMPARE(ticks.count(), 0);
        clock.setAutoUpdate(true);
        QCOMPARE(clock.armColor(), QColor(Qt::black));
        QCOMPARE(clock.dotColor(), QColor(Qt::black));
        time.advanceSeconds(5);
        QVERIFY(ticks.wait(1500));
        QCOMPARE(ticks.first().at(3).toInt(), 5);
    }

    void drawsDotsAndARedSecondHand() {
        StillClock still;
        const QImage withSecond = rendered(still.clock);
        QCOMPARE(QColor(withSecond.pixel(75, 10)), QColor(Qt::black));  // the dot at 12
        QCOMPARE(QColor(withSecond.pixel(140, 75)), QColor(Qt::black)); // the dot at 3
        QCOMPARE(QColor(withSecond.pixel(3, 3)), QColor(Qt::white));
        // At 45 seconds the second hand points left along the middle row.
        QVERIFY(test::Reddish(withSecond.pixel(40, 75)));
        still.clock.setShowSecondArm(false);
        const QImage without = rendered(still.clock);
        QCOMPARE(test::CountPixels(without, without.rect(), test::Reddish), 0);
    }

    void backgroundPictureTiledOrCentred() {
        StillClock still;
        QPixmap picture(40, 40);
        picture.fill(Qt::blue);
        still.clock.setBack(picture);
        const QImage tiled = rendered(still.clock);
        QCOMPARE(QColor(tiled.pixel(2, 2)), QColor(Qt::blue));
        QCOMPARE(QColor(tiled.pixel(147, 147)), QColor(Qt::blue));
        still.clock.setBackArrange(1);
        const QImage centred = rendered(still.clock);
        QCOMPARE(QColor(centred.pixel(2, 2)), QColor(Qt::white));
        QCOMPARE(QColor(centred.pixel(60, 90)), QColor(Qt::blue));
    }

    void tinyControlsDrawOnlyTheBackground() {
        for (const QSize& size : {QSize(20, 150), QSize(150, 21), QSize(1, 1)}) {
            StillClock still;
            still.clock.resize(size);
            const QImage image = rendered(still.clock);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    QCOMPARE(QColor(image.pixel(x, y)), QColor(Qt::white));
        }
    }
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::TClockTest)
#include "TClockTest.moc"
