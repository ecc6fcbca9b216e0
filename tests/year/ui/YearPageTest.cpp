// SPDX-License-Identifier: GPL-3.0-or-later
// The year page offscreen: the fiscal year at start, the year buttons, and the day-count sub-page.
#include "year/ui/YearPage.h"

#include "FakeClock.h"
#include "Pictures.h"
#include "ScriptedDialogs.h"

#include <QTest>

namespace rekko {
namespace {

const auto jd = EncodeJuliusDay;

class RecordingJump : public MonthJump {
public:
    void jumpToMonth(std::string_view yyyymm) override { months.emplace_back(yyyymm); }
    std::vector<std::string> months;
};

// The page on 15 March 2024.
struct Fixture {
    test::FakeClock clock{CalendarDate{2024, 3, 15}, TimeOfDay{10, 0, 0}};
    test::ScriptedDialogs dialogs;
    RecordingJump jump;
    YearPage page{clock, dialogs, jump};
    const YearPageControls& c = page.controls();
    Fixture() {
        // As large as the main window gives it at its usual size.
        page.resize(780, 770);
        page.show();
    }
    // Clicks a day of calendar i, which shows the month of that day.
    void clickDay(int i, int32_t day) {
        TSeMCalendar* calendar = c.SeMCalendar[static_cast<size_t>(i)];
        const int cell = day - calendar->model().firstVisibleDay();
        const GridRect rect = calendar->model().geometry().cellRect(cell % 7, cell / 7 + 1);
        QTest::mouseClick(calendar, Qt::LeftButton, {},
                          calendar->clientOrigin() +
                              QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
    }
    QString dateText(const std::array<TSeNEdit*, 3>& boxes) const {
        return boxes[0]->text() + "/" + boxes[1]->text() + "/" + boxes[2]->text();
    }
};

} // namespace

class YearPageTest : public QObject {
    Q_OBJECT

private slots:
    void fiscalYearInMarchShowsAprilToMarch() {
        Fixture f;
        YearPageSettings settings;
        settings.rgYFirstMonth = 1;
        f.page.apply(settings);
        f.page.showYearAtStart(jd(2024, 3, 15));
        QCOMPARE(f.c.lblYM->text(), QString("2023/4 - 2024/3"));
        QCOMPARE(f.c.SeMCalendar[0]->JuliusDay(), jd(2023, 4, 1));
        QCOMPARE(f.c.SeMCalendar[11]->JuliusDay(), jd(2024, 3, 1));
        QCOMPARE(f.c.edtYear->text(), QString("2023"));

        f.c.FramSpeedBtn8->click();
        QCOMPARE(f.c.lblYM->text(), QString("2024/4 - 2025/3"));
        f.c.edtYear->setText("1999");
        f.c.FramSpeedBtn16->click();
        QCOMPARE(f.c.lblYM->text(), QString("1999/4 - 2000/3"));
    }

    void dayCountFromClicksWithAndWithoutAutomaticCalculation() {
        Fixture f;
        f.page.showYear(2024);
        f.page.startDayCount(jd(2024, 3, 15));
        QCOMPARE(f.c.tsNisuu->controls().lblNissuu->text(), QString("0日"));
        f.page.showDayCount();
        const DayCountControls& d = f.c.tsNisuu->controls();
        QVERIFY(d.rbSt->isChecked());
        QVERIFY(d.btnKeisan->isHidden());

        // Without automatic calculation a click asks for the other date; the result box keeps its width.
        QTest::qWait(1);
        const int resultWidth = d.lblNissuu->width();
        d.cbKeisan->click();
        QVERIFY(!d.btnKeisan->isHidden());
        QTest::qWait(1);
        QCOMPARE(d.lblNissuu->width(), resultWidth);
        f.clickDay(0, jd(2024, 1, 1));
        QVERIFY(d.rbEd->isChecked());
        QCOMPARE(d.lblHint->text(), QString("終了日をクリックしてください。"));
        f.clickDay(11, jd(2024, 12, 31));
        QVERIFY(d.rbSt->isChecked());
        QCOMPARE(d.lblHint->text(), QString("開始日をクリックしてください。"));
        QCOMPARE(d.lblNissuu->text(), QString("0日"));
        d.btnKeisan->click();
        QCOMPARE(d.lblNissuu->text(), QString("365日"));
        d.methods[1]->click();
        d.btnKeisan->click();
        QCOMPARE(d.lblNissuu->text(), QString("366日"));
        QCOMPARE(f.page.settings().rgNissuu, 1);

        // With it a click on another month's day takes nothing.
        d.cbKeisan->click();
        d.rbEd->click();
        f.clickDay(11, jd(2024, 12, 1));
        f.clickDay(11, jd(2025, 1, 2));
        QCOMPARE(f.dateText(d.date2), QString("2024/12/1"));
        QVERIFY(f.dialogs.shown().empty());
    }

    // A month step onto 1582-10-05..14 shows why and changes nothing; a step that lands moves the label along.
    void keysAcrossTheReformGapAndTheMonthLabel() {
        Fixture f;
        f.page.showYear(1582);
        TSeMCalendar* november = f.c.SeMCalendar[10];
        QTest::keyClick(november, Qt::Key_Down);
        QCOMPARE(november->JuliusDay(), jd(1582, 11, 8));
        f.dialogs.expect(DialogAnswer::Ok);
        QTest::keyClick(november, Qt::Key_PageUp);
        QCOMPARE(f.dialogs.shown().size(), size_t{1});
        QCOMPARE(QString::fromStdString(f.dialogs.shown()[0].text), QString("1582/10/5-10/14は存在しません。"));
        QCOMPARE(f.dialogs.shown()[0].icon, DialogIcon::Error);
        QCOMPARE(november->JuliusDay(), jd(1582, 11, 8));
        QCOMPARE(f.c.Label[10]->text(), QString("11"));
        QTest::keyClick(november, Qt::Key_PageDown);
        QCOMPARE(november->JuliusDay(), jd(1582, 12, 8));
        QCOMPARE(f.c.Label[10]->text(), QString("12"));
    }

    // With the rokuyo each day number keeps the size it has without, no name reaches the edge of its cell, so
    // neighbours never touch, and the current date's band stays inverted across its cell.
    void rokuyoLeavesTheNumbersWholeAndNeighboursApart() {
        Fixture f;
        f.page.showYear(2026);
        const TSeMCalendar* march = f.c.SeMCalendar[2];
        const auto reddest = [](const QImage& image, const GridRect& cell) {
            QRect ink;
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x)
                    if (test::Reddish(image.pixel(x, y)))
                        ink |= QRect(x, y, 1, 1);
            return ink.size();
        };
        const QImage plain = march->image();
        f.page.setShowRokuyo(true);
        const QImage image = march->image();
        const QRgb background = march->Color().rgb();
        const SmallCalendarGeometry geometry = march->model().geometry();
        for (int i = 0; i < kSmallCalendarCells; ++i) {
            const SmallCell& cell = march->model().cell(i);
            const GridRect rect = geometry.cellRect(i % 7, i / 7 + 1);
            const QString where = QString("%1/%2").arg(cell.date.month).arg(cell.date.day);
            if (cell.day == march->JuliusDay()) {
                QCOMPARE(QColor(image.pixel(rect.left, rect.bottom - 1)), QColor(Qt::black));
                QCOMPARE(QColor(image.pixel(rect.right - 1, rect.bottom - 1)), QColor(Qt::black));
                continue;
            }
            for (const int x : {rect.left, rect.right - 1})
                QVERIFY2(test::CountPixels(image, QRect(x, rect.top, 1, rect.height()),
                                           [background](QRgb pixel) { return pixel != background; }) == 0,
                         qPrintable(where));
            if (cell.inMonth && cell.font == DayFontKind::Sunday)
                QCOMPARE(reddest(image, rect), reddest(plain, rect));
        }
    }

    // The days of the solar terms get a small green mark in their cell's corner: in March 2026 啓蟄 (5th) and 春分
    // (20th), in the month's own days only.
    void solarTermsGetASmallMarkInTheirCells() {
        Fixture f;
        f.page.showYear(2026);
        f.page.setShowSolarTerms(true);
        const TSeMCalendar* march = f.c.SeMCalendar[2];
        const QImage image = march->image();
        const SmallCalendarGeometry geometry = march->model().geometry();
        QStringList marked;
        for (int i = 0; i < kSmallCalendarCells; ++i) {
            const SmallCell& cell = march->model().cell(i);
            const GridRect rect = geometry.cellRect(i % 7, i / 7 + 1);
            const QRect corner(rect.right - rect.height() / 4, rect.top, rect.height() / 4, rect.height() / 4);
            if (cell.inMonth && test::CountPixels(image, corner, [](QRgb pixel) {
                                    return qGreen(pixel) > 100 && qRed(pixel) < 60 && qBlue(pixel) < 60;
                                }) > 2)
                marked << QString::number(cell.date.day);
        }
        QCOMPARE(marked, (QStringList{"5", "20"}));
        f.page.setShowSolarTerms(false);
        QVERIFY(march->image() != image);
    }

    void upDownsCarryAndImpossibleDatesAreRefused() {
        Fixture f;
        f.page.startDayCount(jd(2024, 3, 15));
        const DayCountControls& d = f.c.tsNisuu->controls();
        d.date2[2]->setValue(31);
        d.date2[1]->setValue(12);
        emit d.upDowns2[2]->stepped(1);
        QCOMPARE(f.dateText(d.date2), QString("2025/1/1"));
        emit d.upDowns2[1]->stepped(-1);
        QCOMPARE(f.dateText(d.date2), QString("2024/12/1"));
        QCOMPARE(d.lblNissuu->text(), QString("261日"));
        d.date1[1]->setValue(2);
        d.date1[2]->setValue(30);
        f.dialogs.expect(DialogAnswer::Ok);
        QVERIFY(!f.c.tsNisuu->compute());
        QCOMPARE(d.lblNissuu->text(), QString());
        QCOMPARE(QString::fromStdString(f.dialogs.shown().back().text), QString("[ 2024/2/30 ]は、日付に出来ません。"));
    }
};

} // namespace rekko

QTEST_MAIN(rekko::YearPageTest)
#include "YearPageTest.moc"
