// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar controls offscreen: the month grid's redraws checked in the image pixels, period bars drawn, selected
// and deleted, texts cut with "…", a day's tooltip and the almanac notes; Enter in a combo box without a right
// neighbour moves on and reaches the dialog's default button; the colours of the analogue clock.
#include "controls/ClockGeometry.h"
#include "controls/ui/TClock.h"
#include "controls/ui/TSeComboBox.h"
#include "controls/ui/TSeEdit.h"
#include "controls/ui/TSeMCal.h"

#include "calendar/Julius.h"

#include "BookLines.h"
#include "FakeClock.h"
#include "Pictures.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <functional>

#include <cmath>

namespace rekko {
namespace {

const auto jd = EncodeJuliusDay;
using test::CountPixels;
using test::Reddish;

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private:
    // July 2001, today the 10th, in a client 840 wide with the main window's settings.
    struct Fixture {
        ScheduleBook book;
        QWidget parent;
        TSeMCal grid{jd(2001, 7, 10), book, &parent};
        Fixture() {
            parent.resize(900, 1000);
            grid.setItemGyo(5);
            grid.setSelfSize(true);
            grid.setIsFontBold(true);
            grid.setCurrentTab(1);
            const QMargins frame = grid.contentsMargins();
            // As high as the grid asks to be for its lines, as in the main window.
            grid.setGeometry(0, 0, 840 + frame.left() + frame.right(), grid.sizeHint().height());
            parent.show();
        }
        GridRect rectOf(int32_t day) const {
            const int cell = day - grid.grid().firstVisibleDay();
            return grid.grid().geometry().cellRect(cell % 7, cell / 7 + 1);
        }
        // The image area of a lane's line band in a day's cell.
        QRect laneBand(int32_t day, int lane) const {
            const GridRect rect = rectOf(day);
            const CellMetrics& metrics = grid.grid().cellMetrics();
            const int top = rect.top + metrics.firstLineTop + lane * metrics.lineStep;
            return QRect(rect.left + 1, top, rect.width() - 2, metrics.lineStep - 1);
        }
        void month(const std::vector<std::string>& lines) {
            test::LoadMonth(book, 1, 2001, 7, lines);
            grid.Redraw();
        }
        void periods(const std::vector<std::string>& lines) {
            book.loadPeriods(test::ReadLines(lines));
            grid.Redraw();
        }
        // Answers whether the grid shows a long text cut with "…": with show putting each beginning of the text
        // followed by "…" in its place, one of them draws the same image.
        bool showsCut(const QString& text, const std::function<void(const QString&)>& show) {
            show(text);
            const QImage whole = grid.image();
            for (qsizetype length = 0; length < text.size(); ++length) {
                show(text.left(length) + QChar(0x2026));
                if (grid.image() == whole)
                    return true;
            }
            return false;
        }
    };

private slots:
    void aChangedMonthRedrawsTheNewLine() {
        Fixture f;
        const QRect bottom = f.laneBand(jd(2001, 7, 12), 4);
        QCOMPARE(CountPixels(f.grid.image(), bottom, Reddish), 0);
        f.month({" 0,0,9,2001/ 7", "12,1,,予定あり,clRed,,,,,"});
        QVERIFY(CountPixels(f.grid.image(), bottom, Reddish) > 10);
        for (int lane = 0; lane < 4; ++lane)
            QCOMPARE(CountPixels(f.grid.image(), f.laneBand(jd(2001, 7, 12), lane), Reddish), 0);
        // A second line moves the first up one lane.
        f.month({" 0,0,9,2001/ 7", "12,1,,予定あり,clRed,,,,,", "12,2,,二行目,,,,,,"});
        QVERIFY(CountPixels(f.grid.image(), f.laneBand(jd(2001, 7, 12), 3), Reddish) > 10);
        QCOMPARE(CountPixels(f.grid.image(), bottom, Reddish), 0);
    }

    void periodBarsAreDrawnSelectedAndDeleted() {
        Fixture f;
        f.periods({"***** FromTo予定", "2001, 7, 3,M,2001, 7, 5,E,2001, 7, 9,2,clBlue,x"});
        const GridRect middle = f.rectOf(jd(2001, 7, 4));
        const int y = middle.top + f.grid.grid().cellMetrics().barY(0);
        const QRect row(middle.left + 1, y, middle.width() - 2, 1);
        const auto isColour = [](QColor colour) { return [colour](QRgb pixel) { return QColor(pixel) == colour; }; };
        QCOMPARE(CountPixels(f.grid.image(), row, isColour(Qt::blue)), row.width());
        f.grid.grid().state().selectedPeriod = 1;
        f.grid.RedrawCells();
        QCOMPARE(CountPixels(f.grid.image(), row, isColour(Qt::magenta)), row.width());
        f.book.deletePeriod(1);
        f.grid.Redraw();
        QCOMPARE(CountPixels(f.grid.image(), row, isColour(Qt::magenta)), 0);
        QCOMPARE(CountPixels(f.grid.image(), row, isColour(Qt::blue)), 0);
    }

    void linesNamesAndTitlesCutAtTheCellsEdgeEndWithAnEllipsis() {
        Fixture f;
        const QString text = QStringLiteral("取引先との打ち合わせと資料の最終確認そして報告書の提出");
        QVERIFY(f.showsCut(text, [&f](const QString& line) {
            f.month({" 0,0,9,2001/ 7", "12,1,," + line.toStdString() + ",,,,,,"});
        }));
        QVERIFY(f.showsCut(text, [&f](const QString& name) { f.grid.setSpecialDayList({"7,12," + name}); }));
        // A title runs on over the bar's cells of its week (the 10th to the 14th) and is cut at the last one.
        QVERIFY(f.showsCut(text + text, [&f](const QString& title) {
            f.periods({"***** FromTo予定", "2001, 7,10,M,2001, 7,20,E,2001, 7,10,1,clBlue," + title.toStdString()});
        }));
    }

    // The tooltip of a cell lists its names, its periods and all its lines, those beyond the shown lanes too.
    void aDaysTooltipListsAllItsLines() {
        Fixture f;
        f.grid.setSpecialDayList({"7,12,創立記念日"});
        f.periods({"***** FromTo予定", "2001, 7,11,M,2001, 7,13,E,2001, 7,12,1,clBlue,研修"});
        std::vector<std::string> lines = {" 0,0,9,2001/ 7"};
        for (const char* line : {"一", "二", "三", "四", "五", "六", "七"})
            lines.push_back(std::string("12,1,,") + line + ",,,,,,");
        f.month(lines);
        const GridRect rect = f.rectOf(jd(2001, 7, 12));
        const QPoint at = QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2) + f.grid.clientOrigin();
        QHelpEvent help(QEvent::ToolTip, at, f.grid.mapToGlobal(at));
        QApplication::sendEvent(&f.grid, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        QCOMPARE(shown.toPlainText().split(QLatin1Char('\n')),
                 (QStringList{"創立記念日", "2001/07/11～2001/07/13 研修", "一", "二", "三", "四", "五", "六", "七"}));
    }

    // The solar term of 2001-07-07 (小暑) shows right of the day number and in the tooltip; the 干支 and marks only
    // when switched on; neither moves a schedule line.
    void almanacNotesShowBesideTheNumberAndInTheTooltip() {
        Fixture f;
        f.month({" 0,0,9,2001/ 7", "7,1,,予定あり,clRed,,,,,"});
        const auto numberBandInk = [&f](int d) {
            const GridRect rect = f.rectOf(jd(2001, 7, d));
            const QRect band(rect.left + rect.width() / 2, rect.top + 1, rect.width() / 2 - 2,
                             f.grid.grid().cellMetrics().firstLineTop - 2);
            return CountPixels(f.grid.image(), band, [](QRgb pixel) { return qGray(pixel) < 128; });
        };
        const auto tooltip = [&f](int d) {
            const GridRect rect = f.rectOf(jd(2001, 7, d));
            const QPoint at =
                QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2) + f.grid.clientOrigin();
            QHelpEvent help(QEvent::ToolTip, at, f.grid.mapToGlobal(at));
            QApplication::sendEvent(&f.grid, &help);
            QTextDocument shown;
            shown.setHtml(QToolTip::isVisible() ? QToolTip::text() : QString());
            QToolTip::hideText();
            return shown.toPlainText();
        };
        const QImage lane = f.grid.image().copy(f.laneBand(jd(2001, 7, 7), 4));
        QCOMPARE(numberBandInk(7), 0);
        f.grid.setShowSolarTerms(true);
        QVERIFY(numberBandInk(7) > 10);
        QCOMPARE(numberBandInk(8), 0);
        QCOMPARE(f.grid.image().copy(f.laneBand(jd(2001, 7, 7), 4)), lane);
        QCOMPARE(tooltip(7), QStringLiteral("小暑\n予定あり"));
        // With the marks on, every day shows its 干支 beside its number.
        f.grid.setShowAlmanacMarks(true);
        QVERIFY(numberBandInk(8) > 10);
        QCOMPARE(tooltip(7), QStringLiteral("小暑\n辛未日 辛巳年\n予定あり"));
    }

    void drawingTheCellsAgainClearsMarksTheyNoLongerCarry() {
        Fixture f;
        const auto centre = [&f](int d) {
            const GridRect rect = f.rectOf(jd(2001, 7, d));
            return QColor(f.grid.image().pixel(rect.left + rect.width() - 8, rect.top + rect.height() / 2));
        };
        const QColor today(0xD5, 0xFF, 0xD0), selection(0xB9, 0xFF, 0xFF), pressed(0xF8, 0xFD, 0xBB);
        QCOMPARE(centre(10), today);
        f.grid.grid().state().selectionFirst = jd(2001, 7, 9);
        f.grid.grid().state().selectionLast = jd(2001, 7, 11);
        f.grid.grid().state().pressedDay = jd(2001, 7, 20);
        f.grid.grid().state().highlight = true;
        f.grid.RedrawCells();
        QCOMPARE((QList{centre(10), centre(11), centre(20)}), (QList{selection, selection, pressed}));
        f.grid.ResetSelection();
        QCOMPARE((QList{centre(10), centre(11), centre(20)}), (QList{today, f.grid.Color(), f.grid.Color()}));
    }

    void comboEnterWithoutNeighbourMovesOnAndReachesTheDialog() {
        QDialog dialog;
        auto* layout = new QHBoxLayout(&dialog);
        auto* combo = new TSeComboBox;
        auto* next = new TSeEdit;
        auto* ok = new QPushButton("OK");
        layout->addWidget(combo);
        layout->addWidget(next);
        layout->addWidget(ok);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(next));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // Turning AutoUpdate on draws hands and dots black whatever colours they had, the second hand red, and the clock
    // shows the clock port's time, a time set from outside changing nothing.
    void autoUpdateDrawsBlackHandsAndDotsAndARedSecondHand() {
        test::FakeClock now({2026, 5, 20}, {15, 30, 15});
        TClock dial(now);
        dial.setAutoUpdate(false);
        dial.setTime(EncodeDateTime({2026, 5, 20}, {15, 30, 15}));
        dial.setArmColor(Qt::green);
        dial.setDotColor(Qt::blue);
        // Halfway along the hour hand, on the dot at 12, near the tip of the second hand at 15 seconds.
        const auto face = LayoutClockFace(150, 150, 10, true, {15, 30, 15});
        QVERIFY(face);
        const QPoint hourHand(static_cast<int>(std::lround((face->centre.x + face->hourHand.tip.x) / 2)),
                              static_cast<int>(std::lround((face->centre.y + face->hourHand.tip.y) / 2)));
        const QPoint dot(face->dots[0].x, face->dots[0].y);
        const QPoint secondHand(static_cast<int>(face->secondHand.tip.x) - 8, static_cast<int>(face->centre.y));
        const auto colours = [&] {
            const QImage image = dial.grab().toImage();
            return QList{image.pixelColor(hourHand), image.pixelColor(dot), image.pixelColor(secondHand)};
        };
        QCOMPARE(colours(), (QList<QColor>{Qt::green, Qt::blue, Qt::red}));

        dial.setAutoUpdate(true);
        QCOMPARE(colours(), (QList<QColor>{Qt::black, Qt::black, Qt::red}));
        QCOMPARE(std::pair(dial.armColor(), dial.dotColor()), std::pair(QColor(Qt::black), QColor(Qt::black)));
        dial.setTime(EncodeDateTime({2026, 5, 20}, {9, 0, 0}));
        QCOMPARE(colours(), (QList<QColor>{Qt::black, Qt::black, Qt::red}));
        QCOMPARE(dial.hour(), uint16_t(15));
    }
};

} // namespace rekko

QTEST_MAIN(rekko::ControlsTest)
#include "ControlsTest.moc"
